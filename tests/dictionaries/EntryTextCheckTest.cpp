#include <gtest/gtest.h>

#include "SampleDictionaries.h"
#include "dictionaries/EntryTextCheck.h"
#include "dictionaries/WordForms.h"

namespace vorla {
namespace {

using R = EntryTextResult;
constexpr auto kSource = TextSide::Source;
constexpr auto kTranslation = TextSide::Translation;
constexpr int kEn = language::kEnglish;
constexpr int kFi = language::kFinnish;

struct Case {
  DictionaryKind kind;
  int srclan;
  TextSide side;
  std::string text;
  R result;
  std::string checked;  // the normalised text, or the offending byte
};

// Terms, English to Finnish, unless the row says otherwise.
Case T(std::string text, R result, std::string checked, TextSide side = kSource, int srclan = kEn) {
  return {DictionaryKind::Normal, srclan, side, std::move(text), result, std::move(checked)};
}

TEST(CheckEntryText, ByKindLanguageAndSide) {
  const std::string a199(199, 'a');
  const std::string p398(398, 'p');
  const Case cases[] = {
      T("house*", R::TextOk, "house"),
      T("rautatie* asema", R::TextOk, "rautatie* asema"),
      T("  big \t house\n ", R::TextOk, "big house"),
      T("John\x92s", R::TextOk, "John's"),
      T("R&D@home 5.5-x/y\\z:+\x80", R::TextOk, "R&D@home 5.5-x/y\\z:+\x80"),
      T("", R::TextEmpty, ""),
      T(" \t\xA0 ", R::TextEmpty, ""),
      T("a*b", R::TextBadStar, ""),
      T("a** b", R::TextBadStar, ""),
      T("a* b*", R::TextBadStar, ""),
      T("*a", R::TextBadStart, "*"),
      T("-x", R::TextBadStart, "-"),
      T("big *house", R::TextBadStart, "*"),
      T("big -house", R::TextBadStart, "-"),
      T("big &house", R::TextOk, "big &house"),
      T("x?y", R::TextIllegalChar, "?"),
      T("x,y", R::TextIllegalChar, ","),
      T("rock'n'roll", R::TextIllegalChar, "'", kSource, kFi),
      T("a\x01", R::TextIllegalChar, "\x01"),
      T("\xFFx", R::TextIllegalChar, "\xFF"),  // ÿ is a letter, but the byte ends a record
      T(a199, R::TextOk, a199),
      T(a199 + "  ", R::TextOk, a199),
      T(a199 + "a", R::TextTooLong, ""),
      T(a199 + " b", R::TextTooLong, ""),
      T("rautatie asema", R::TextFixedPhrase, "", kSource, kFi),
      // Translations.
      T("vanha# kaupunki", R::TextOk, "vanha# kaupunki", kTranslation),
      T("\x91yes\x92, \"no\" (x) [y] #1;$5", R::TextOk, "\x91yes\x92, \"no\" (x) [y] #1;$5",
        kTranslation),
      T("x,y", R::TextIllegalChar, ",", kTranslation, kFi),
      T("(x)", R::TextBadStart, "(", kTranslation),
      T("x \xA0 y\xA0z", R::TextOk, "x y\xA0z", kTranslation),
      T("x\xA0 y", R::TextOk, "x\xA0y", kTranslation),
      T("x *y", R::TextIllegalChar, "*", kTranslation),
      T("x*y e&#8209;mail", R::TextOk, "x*y e&#8209;mail", kTranslation),
      T("\xC8lan", R::TextBadStart, "\xC8", kTranslation),
      T("x \xC8lan", R::TextIllegalChar, "\xC8", kTranslation),
      T("x\xC8y", R::TextOk, "x\xC8y", kTranslation),
      T("\xC8lan", R::TextOk, "\xC8lan"),
      T(a199, R::TextOk, a199, kTranslation),
      T(a199 + "a", R::TextTooLong, "", kTranslation),
      // Phrases copy every other byte as it is.
      {DictionaryKind::Phrases, kEn, kSource, "court <supreme>, what?", R::TextOk,
       "court <supreme>, what?"},
      {DictionaryKind::Phrases, kFi, kSource, "ei  se  mit\xE4\xE4n", R::TextOk,
       "ei se mit\xE4\xE4n"},
      {DictionaryKind::Phrases, kEn, kSource, "it\x92s", R::TextOk, "it's"},
      {DictionaryKind::Phrases, kEn, kSource, p398, R::TextOk, p398},
      {DictionaryKind::Phrases, kEn, kSource, p398 + "p", R::TextPhraseTooLong, ""},
      {DictionaryKind::Phrases, kEn, kSource,
       "a\x1B"
       "b",
       R::TextIllegalChar, "\x1B"},
      {DictionaryKind::Phrases, kEn, kTranslation, "x\xFF", R::TextIllegalChar, "\xFF"},
      {DictionaryKind::Phrases, kEn, kTranslation, "\xC8x", R::TextBadStart, "\xC8"},
      {DictionaryKind::Phrases, kEn, kTranslation, "x \xC8", R::TextIllegalChar, "\xC8"},
      // One word only: disambiguation rules, and Finnish-English outside Phrases.
      {DictionaryKind::Disambiguation, kEn, kSource, "bank account", R::TextFixedPhrase, ""},
      {DictionaryKind::Disambiguation, kEn, kSource, "bank*", R::TextOk, "bank"},
      {DictionaryKind::ContextRules, kFi, kSource, "pankki tili", R::TextFixedPhrase, ""},
      {DictionaryKind::ContextRules, kEn, kSource, "rock'n' roll", R::TextOk, "rock'n' roll"},
  };
  for (const Case& c : cases) {
    auto vocabulary = test::MakeDictionary(c.kind, c.srclan, c.srclan == kEn ? kFi : kEn);
    const CheckedText checked = CheckEntryText(*vocabulary, c.text, c.side);
    SCOPED_TRACE(c.text.substr(0, 40));
    EXPECT_EQ(checked.result, c.result);
    if (c.result == R::TextOk) {
      EXPECT_EQ(checked.text, c.checked);
    } else if (!c.checked.empty()) {
      EXPECT_EQ(checked.offending, static_cast<std::uint8_t>(c.checked[0]));
    }
  }
}

TEST(WordForms, GenitiveForms) {
  for (const char* word : {"John's", "boss'", "dogs's", "Mary's"}) {
    EXPECT_TRUE(IsGenitiveForm(word)) << word;
  }
  for (const char* word : {"'s", "s'", "rock'n's'", "boss", "it", "cats"}) {
    EXPECT_FALSE(IsGenitiveForm(word)) << word;
  }
}

TEST(WordForms, AuxiliaryVerbsByLanguage) {
  auto english = test::MakeDictionary(DictionaryKind::Normal, kEn, kFi);
  auto finnish = test::MakeDictionary(DictionaryKind::Normal, kFi, kEn);
  auto swedish = test::MakeDictionary(DictionaryKind::Normal, language::kSwedish, kEn);
  EXPECT_TRUE(IsAuxiliaryVerb(*english, "Be"));
  EXPECT_TRUE(IsAuxiliaryVerb(*english, "COULD"));
  EXPECT_FALSE(IsAuxiliaryVerb(*english, "be careful"));
  EXPECT_FALSE(IsAuxiliaryVerb(*english, "ovat"));
  EXPECT_TRUE(IsAuxiliaryVerb(*finnish, "ovat"));
  EXPECT_FALSE(IsAuxiliaryVerb(*swedish, "be"));
}

}  // namespace
}  // namespace vorla

#include <gtest/gtest.h>

#include <vector>

#include "SampleDictionaries.h"
#include "dictionaries/EntryAcceptance.h"
#include "dictionaries/UserLexicalRuleEntry.h"

namespace vorla {
namespace {

using K = EntryMessageKey;
using test::MakeDictionary;
constexpr int kEn = language::kEnglish;
constexpr int kFi = language::kFinnish;
constexpr int kNoun = word_class::kNoun;
constexpr int kVerb = word_class::kVerb;

EntryForm Word(std::string source, std::string translation = "k\xC3\xA4\xC3\xA4nn\xC3\xB6s",
               int wordClass = kNoun) {
  EntryForm form;
  form.source = std::move(source);
  form.translation = std::move(translation);
  form.wordClass = wordClass;
  return form;
}

EntryForm Rule(std::string source, int ruleType, std::string words, std::string translations = {}) {
  EntryForm form = Word(std::move(source));
  form.ruleType = ruleType;
  form.contextWords = std::move(words);
  form.contextTranslations = std::move(translations);
  return form;
}

std::vector<K> Keys(const EntryAcceptance& acceptance) {
  std::vector<K> keys;
  for (const EntryMessage& message : acceptance.messages)
    keys.push_back(message.key);
  return keys;
}

struct Case {
  const char* what;
  DictionaryKind kind;
  int srclan;
  EntryForm form;
  std::vector<K> keys;
  std::string argument = {};  // of the last message
};

TEST(AcceptEntry, MessagesInOrder) {
  const Case cases[] = {
      {"plain term", DictionaryKind::Normal, kEn, Word("house"), {}},
      {"199 bytes", DictionaryKind::Normal, kEn, Word(std::string(199, 'w')), {}},
      {"200 bytes", DictionaryKind::Normal, kEn, Word(std::string(200, 'w')), {K::E6}},
      {"head over 99 bytes",
       DictionaryKind::Normal,
       kEn,
       Word("x " + std::string(100, 'h')),
       {K::E6}},
      {"not in the code page",
       DictionaryKind::Normal,
       kEn,
       Word("\xC5\xBElu\xC5\xA5"),
       {K::E1},
       "\xC5\xA5"},
      {"C1 control", DictionaryKind::Normal, kEn, Word("a\xC2\x85"), {K::E1}, "\xC2\x85"},
      {"question mark", DictionaryKind::Normal, kEn, Word("what?"), {K::E2}},
      {"control byte",
       DictionaryKind::Normal,
       kEn,
       Word("a\x01"
            "b"),
       {K::E2}},
      {"illegal byte", DictionaryKind::Normal, kEn, Word("a=b"), {K::E3}, "="},
      {"bad word start", DictionaryKind::Normal, kEn, Word("big -house"), {K::E4}, "-"},
      {"Finnish-English multi-word", DictionaryKind::Normal, kFi, Word("rautatie asema"), {K::E5}},
      {"English-Finnish multi-word", DictionaryKind::Normal, kEn, Word("rautatie asema"), {}},
      {"empty source", DictionaryKind::Normal, kEn, Word(""), {K::E7}},
      {"blank source", DictionaryKind::Normal, kEn, Word("  "), {K::E8}},
      {"misplaced star", DictionaryKind::Normal, kEn, Word("a*b"), {K::E8}},
      {"genitive", DictionaryKind::Normal, kEn, Word("John's"), {K::E9}},
      {"typographic genitive", DictionaryKind::Normal, kEn, Word("John\xE2\x80\x99s"), {K::E9}},
      {"apostrophe in head", DictionaryKind::Normal, kEn, Word("rock'n'roll"), {K::E10}, "'"},
      {"apostrophe, Finnish source",
       DictionaryKind::Normal,
       kFi,
       Word("rock'n'roll"),
       {K::E3},
       "'"},
      {"auxiliary verb", DictionaryKind::Normal, kEn, Word("COULD"), {K::E11}, "COULD"},
      {"Finnish auxiliary", DictionaryKind::Normal, kFi, Word("ovat"), {K::E11}, "ovat"},
      {"not only an auxiliary", DictionaryKind::Normal, kEn, Word("be careful"), {}},
      {"verb with to", DictionaryKind::Normal, kEn, Word("to go", "menn\xC3\xA4", kVerb), {K::E12}},
      {"noun with to", DictionaryKind::Normal, kEn, Word("to go"), {}},
      {"article, no plural note", DictionaryKind::Normal, kEn, Word("the dogs"), {K::E13}},
      {"plural", DictionaryKind::Normal, kEn, Word("cats"), {K::E24}},
      {"y before s", DictionaryKind::Normal, kEn, Word("boys"), {}},
      {"vowel before s", DictionaryKind::Normal, kEn, Word("bus"), {}},
      {"double s", DictionaryKind::Normal, kEn, Word("class"), {}},
      {"plural head", DictionaryKind::Normal, kEn, Word("house of cards"), {}},
      {"third person", DictionaryKind::Normal, kEn, Word("runs", "juoksee", kVerb), {K::E25}},
      {"translation not in the code page",
       DictionaryKind::Normal,
       kEn,
       Word("house", "\xE2\x88\x92"),
       {K::E14},
       "\xE2\x88\x92"},
      {"translation too long",
       DictionaryKind::Normal,
       kEn,
       Word("house", std::string(200, 't')),
       {K::E18}},
      {"comma, English source", DictionaryKind::Normal, kEn, Word("house", "talo, koti"), {}},
      {"comma, Finnish source",
       DictionaryKind::Normal,
       kFi,
       Word("talo", "house, home"),
       {K::E15},
       ","},
      {"translation word start",
       DictionaryKind::Normal,
       kEn,
       Word("house", "(talo)"),
       {K::E16},
       "("},
      {"translation question mark", DictionaryKind::Normal, kEn, Word("house", "talo?"), {K::E17}},
      {"empty translation", DictionaryKind::Normal, kEn, Word("house", ""), {K::E19}},
      {"blank translation", DictionaryKind::Normal, kEn, Word("house", " "), {K::E19}},
      {"phrase as typed", DictionaryKind::Phrases, kEn, Word("court <supreme>, what?"), {}},
      {"phrase of 399 bytes", DictionaryKind::Phrases, kEn, Word(std::string(399, 'p')), {K::E6}},
      {"context-rule apostrophe",
       DictionaryKind::ContextRules,
       kEn,
       Rule("rock'n' roll", rule_type::kNounAdjAttr, "heavy"),
       {K::E27},
       "'"},
      {"no context word",
       DictionaryKind::ContextRules,
       kEn,
       Rule("bank", rule_type::kContextWord, " \t "),
       {K::E21}},
      {"context words of 400 bytes",
       DictionaryKind::ContextRules,
       kEn,
       Rule("bank", rule_type::kContextWord, std::string(400, 'c')),
       {K::E20}},
      {"translations of 400 bytes",
       DictionaryKind::ContextRules,
       kEn,
       Rule("bank", rule_type::kNounAdjAttr, "river", std::string(400, 't')),
       {K::E22}},
      {"context word outside the code page",
       DictionaryKind::ContextRules,
       kEn,
       Rule("bank", rule_type::kContextWord, "\xE2\x88\x92"),
       {K::E28},
       "\xE2\x88\x92"},
      {"list grows over 399 bytes",
       DictionaryKind::ContextRules,
       kEn,
       Rule("bank", rule_type::kContextWord, std::string(200, 'c') + "," + std::string(198, 'd')),
       {K::E20}},
      {"suspicious context word",
       DictionaryKind::ContextRules,
       kEn,
       Rule("bank", rule_type::kContextWord, "a.b"),
       {K::E28},
       "."},
      {"bad parameter",
       DictionaryKind::ContextRules,
       kEn,
       Rule("light", rule_type::kNounAdjAttr, "heavy", "punainen(Foo)"),
       {K::E29}},
      {"disambiguation multi-word",
       DictionaryKind::Disambiguation,
       kEn,
       Rule("bank account", rule_type::kNounLeftNoun, "river"),
       {K::E5}},
      {"disambiguation with a blank",
       DictionaryKind::Disambiguation,
       kEn,
       Rule("bank", rule_type::kNounLeftNoun, "big river"),
       {K::E28},
       " "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto vocabulary = MakeDictionary(c.kind, c.srclan, c.srclan == kEn ? kFi : kEn);
    const EntryAcceptance acceptance = AcceptEntry(*vocabulary, c.form, -1);
    EXPECT_EQ(Keys(acceptance), c.keys);
    const bool blocked = !acceptance.messages.empty() && acceptance.messages.back().blocks;
    EXPECT_EQ(acceptance.Accepted(), !blocked);
    EXPECT_EQ(vocabulary->count(), blocked ? 0 : 1);
    if (!c.argument.empty()) {
      EXPECT_EQ(acceptance.messages.back().argument, c.argument);
    }
  }
}

TEST(AcceptEntry, MessageTextsByDialog) {
  auto rules = MakeDictionary(DictionaryKind::ContextRules);
  const EntryAcceptance illegal = AcceptEntry(*rules, Rule("\xC5\xA5", 154, "x"), -1);
  EXPECT_EQ(illegal.messages.back().Format(UiLanguage::Finnish),
            "Kohdesana sisältää kielletyn merkin: ť");
  EXPECT_EQ(illegal.messages.back().icon, MessageIcon::Warning);
  const EntryAcceptance control = AcceptEntry(*rules, Rule("a\x01", 154, "x"), -1);
  EXPECT_EQ(control.messages.back().Format(UiLanguage::Finnish),
            "Kohdesana sisältää kiellettyjä merkkejä.");
  const EntryAcceptance empty = AcceptEntry(*rules, Rule("", 154, "x"), -1);
  EXPECT_EQ(empty.messages.back().Format(UiLanguage::Finnish), "Anna kohdesana!");
  EXPECT_EQ(empty.messages.back().icon, MessageIcon::Warning);

  auto terms = MakeDictionary(DictionaryKind::Normal);
  const EntryAcceptance tooLong = AcceptEntry(*terms, Word(std::string(200, 'w')), -1);
  EXPECT_EQ(tooLong.messages.back().Format(UiLanguage::English),
            "The source word is too long. Max 200 characters allowed.");
  const EntryAcceptance noWord = AcceptEntry(*terms, Word(""), -1);
  EXPECT_EQ(noWord.messages.back().Format(UiLanguage::Finnish), "Anna lähtökielen sana!");
  EXPECT_EQ(noWord.messages.back().icon, MessageIcon::Information);
  const EntryAcceptance blank = AcceptEntry(*terms, Word("house", "  "), -1);
  EXPECT_EQ(blank.messages.back().Format(UiLanguage::English), "The translation is not valid!");
  const EntryAcceptance plural = AcceptEntry(*terms, Word("cats"), -1);
  EXPECT_FALSE(plural.messages.back().blocks);
  EXPECT_EQ(plural.messages.back().icon, MessageIcon::Information);

  auto phrases = MakeDictionary(DictionaryKind::Phrases);
  const EntryAcceptance longPhrase = AcceptEntry(*phrases, Word("x", std::string(399, 't')), -1);
  EXPECT_EQ(longPhrase.messages.back().Format(UiLanguage::Finnish),
            "Käännös on liian pitkä. Se voi olla enintään 400 merkkiä pitkä.");
}

TEST(AcceptEntry, EveryKeyHasATextInEveryDialog) {
  for (int key = 1; key <= 29; ++key) {
    for (int dialog = 0; dialog < 4; ++dialog) {
      for (const MessageVariant variant : {MessageVariant::Default, MessageVariant::Alternative}) {
        const EntryMessage message =
            MakeEntryMessage(static_cast<K>(key), static_cast<EntryDialog>(dialog), variant);
        EXPECT_FALSE(message.text.english.empty()) << key << "/" << dialog;
        EXPECT_FALSE(message.text.finnish.empty()) << key << "/" << dialog;
      }
    }
  }
}

TEST(AcceptEntry, StoresNormalisedTexts) {
  auto terms = MakeDictionary(DictionaryKind::Normal);
  ASSERT_TRUE(AcceptEntry(*terms, Word("house*", "vanha# talo"), -1).Accepted());
  ASSERT_TRUE(
      AcceptEntry(*terms, Word("court <supreme> of justice", "korkein oikeus#"), -1).Accepted());
  ASSERT_TRUE(AcceptEntry(*terms, Word("e\xE2\x80\x91mail", "s\xE2\x80\x91posti"), -1).Accepted());
  const VocabularyEntry& house = terms->At(terms->IndexOfSource("house", kNoun));
  EXPECT_EQ(house.target, "vanha talo");
  EXPECT_EQ(house.tgtattr.Get(attr::kTgtAdjAttr), 1);
  const VocabularyEntry& court =
      terms->At(terms->IndexOfSource("supreme court* of justice", kNoun));
  EXPECT_EQ(court.target, "korkein oikeus#");
  EXPECT_EQ(court.tgtattr.Get(attr::kTgtAdjAttr), -1);
  EXPECT_EQ(terms->At(terms->IndexOfSource("e-mail", kNoun)).target, "s&#8209;posti");

  auto rules = MakeDictionary(DictionaryKind::ContextRules);
  EntryForm contextWord = Rule("bank", rule_type::kContextWord, "red, big car");
  contextWord.range = 250;
  const EntryAcceptance stored = AcceptEntry(*rules, contextWord, -1);
  ASSERT_TRUE(stored.Accepted());
  const auto& bank = static_cast<const UserLexicalRuleEntry&>(rules->At(stored.position));
  EXPECT_EQ(bank.range, 100);
  EXPECT_EQ(bank.contextwords, (ContextList{"red, big car", "red,big_car", 2}));
  EXPECT_EQ(bank.ruletype, rule_type::kContextWord);

  const EntryAcceptance typographic =
      AcceptEntry(*rules,
                  Rule("rock\xE2\x80\x99n\xE2\x80\x99 roll", rule_type::kNounAdjAttr, "x",
                       "punainen(EN;NormGrade), , iso"),
                  -1);
  const auto& rock = static_cast<const UserLexicalRuleEntry&>(rules->At(typographic.position));
  EXPECT_EQ(rock.source, "rock'n' roll");
  EXPECT_EQ(rock.contextwordstr.count, 3);
  EXPECT_EQ(rock.contextwordstr.display, "punainen(EN;NormGrade), -, iso");

  auto disamb = MakeDictionary(DictionaryKind::Disambiguation);
  EntryForm form = Rule("run", rule_type::kVerbRightAdv, "fast");
  form.wordClass = kNoun;  // the class shown when the dialog opened; the type decides
  const EntryAcceptance run = AcceptEntry(*disamb, form, -1);
  ASSERT_TRUE(run.Accepted());
  EXPECT_EQ(disamb->At(run.position).scat, kVerb);
  EXPECT_EQ(disamb->At(run.position).target, "");
}

TEST(AcceptEntry, RuleTypesOfAnotherKindAreNeitherMadeNorGiven) {
  struct TypeCase {
    DictionaryKind kind;
    int good;
    int bad;
  };
  const TypeCase cases[] = {
      {DictionaryKind::ContextRules, rule_type::kNounAdjAttr, rule_type::kNone},
      {DictionaryKind::ContextRules, rule_type::kNounAdjAttr, 156},
      {DictionaryKind::ContextRules, rule_type::kNounAdjAttr, rule_type::kNounLeftNoun},
      {DictionaryKind::Disambiguation, rule_type::kNounLeftNoun, rule_type::kNone},
      {DictionaryKind::Disambiguation, rule_type::kNounLeftNoun, rule_type::kVerbObject},
  };
  for (const TypeCase& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << " type " << c.bad);
    auto rules = MakeDictionary(c.kind);
    EXPECT_FALSE(AcceptEntry(*rules, Rule("bank", c.bad, "river"), -1).Accepted());
    EXPECT_EQ(rules->count(), 0);
    const EntryAcceptance made = AcceptEntry(*rules, Rule("bank", c.good, "river"), -1);
    ASSERT_TRUE(made.Accepted());
    EXPECT_FALSE(AcceptEntry(*rules, Rule("bank", c.bad, "river"), made.position).Accepted());
    EXPECT_EQ(rules->At(made.position).ruletype, c.good);
  }
}

TEST(AcceptEntry, DuplicatesAndUpdates) {
  auto terms = MakeDictionary(DictionaryKind::Normal);
  ASSERT_TRUE(AcceptEntry(*terms, Word("bank", "pankki"), -1).Accepted());
  ASSERT_TRUE(AcceptEntry(*terms, Word("bank", "kallistua", kVerb), -1).Accepted());
  const EntryAcceptance again = AcceptEntry(*terms, Word("bank", "penkki"), -1);
  EXPECT_EQ(Keys(again), std::vector<K>{K::E23});
  EXPECT_EQ(again.messages.back().Format(UiLanguage::English),
            "Word 'bank' already exists in this dictionary!");
  EXPECT_EQ(terms->count(), 2);

  // Editing the noun into the verb's word class collides; editing its translation does not.
  const int noun = terms->IndexOfSource("bank", kNoun);
  EXPECT_EQ(Keys(AcceptEntry(*terms, Word("bank", "x", kVerb), noun)), std::vector<K>{K::E23});
  terms->At(noun).srcattr.Set(attr::kSemAct, 5);
  const EntryAcceptance edited = AcceptEntry(*terms, Word("bank", "rahalaitos"), noun);
  ASSERT_TRUE(edited.Accepted());
  EXPECT_EQ(edited.position, noun);
  EXPECT_EQ(terms->At(noun).target, "rahalaitos");

  // A new source makes the entry anew in its place in the order; its attributes stay.
  const EntryAcceptance renamed = AcceptEntry(*terms, Word("river bank", "ranta"), noun);
  ASSERT_TRUE(renamed.Accepted());
  EXPECT_EQ(terms->count(), 2);
  EXPECT_EQ(terms->IndexOfSource("bank", kNoun), -1);
  EXPECT_EQ(terms->At(renamed.position).srcattr.Get(attr::kSemAct), 5);
  EXPECT_EQ(terms->compcount(), 1);
  EXPECT_EQ(terms->simplecount(), 1);

  auto phrases = MakeDictionary(DictionaryKind::Phrases);
  ASSERT_TRUE(AcceptEntry(*phrases, Word("thank you", "kiitos"), -1).Accepted());
  EXPECT_EQ(Keys(AcceptEntry(*phrases, Word("thank you", "kiitti"), -1)), std::vector<K>{K::E23});
}

}  // namespace
}  // namespace vorla

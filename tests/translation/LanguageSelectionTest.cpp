#include <gtest/gtest.h>

#include "translation/LanguageMenu.h"
#include "translation/LanguageSelection.h"
#include "translation/StateFixture.h"

namespace vorla {
namespace {

using test::StateFixture;
using Kind = LanguageEntry::Kind;

constexpr auto kEn = UiLanguage::English;
constexpr auto kFi = UiLanguage::Finnish;

std::vector<std::string> Texts(const std::vector<LanguageEntry>& entries) {
  std::vector<std::string> texts;
  for (const LanguageEntry& e : entries)
    texts.emplace_back(e.text);
  return texts;
}

using Texts_ = std::vector<std::string>;

TEST(LanguageSelection, LocalEntriesFollowThePairBits) {
  EXPECT_EQ(Texts(SourceLanguageEntries(0, 3, kEn)),
            (Texts_{"Auto-Selection", "English", "Finnish"}));
  EXPECT_EQ(Texts(TargetLanguageEntries(0, 3, kEn)), (Texts_{"Finnish", "English"}));
  EXPECT_EQ(Texts(SourceLanguageEntries(0, 1, kFi)), (Texts_{"englanti"}));
  EXPECT_EQ(Texts(TargetLanguageEntries(0, 1, kFi)), (Texts_{"suomi"}));
  EXPECT_EQ(Texts(SourceLanguageEntries(0, 2, kEn)), (Texts_{"Finnish"}));
  EXPECT_TRUE(SourceLanguageEntries(0, 4, kEn).empty());
}

// The line of each further language, and back, in both interface languages.
TEST(LanguageSelection, FurtherListIndexAndCodeInBothLanguages) {
  struct Case {
    int accountType;
    UiLanguage language;
    std::size_t index;  // counted from the first further language
    int code;
    const char* text;
  };
  const Case cases[] = {
      {3, kEn, 0, 100, "Arabic"},      {3, kEn, 8, 108, "English"},
      {3, kEn, 38, 138, "Vietnamese"}, {3, kFi, 0, 100, "arabia"},
      {3, kFi, 2, 108, "englanti"},    {3, kFi, 3, 133, "espanja"},
      {3, kFi, 29, 110, "suomi"},      {3, kFi, 38, 109, "viro"},
      {4, kEn, 0, 200, "Afrikaans"},   {4, kEn, 63, 263, "Yiddish"},
      {4, kFi, 0, 200, "afrikaans"},   {4, kFi, 7, 215, "englanti"},
      {4, kFi, 8, 252, "espanja"},     {4, kFi, 9, 216, "esperanto"},
      {4, kFi, 23, 263, "jiddiš"},     {4, kFi, 60, 206, "valkovenäjä"},
      {4, kFi, 63, 217, "viro"},
  };
  for (const Case& c : cases) {
    const auto entries = SourceLanguageEntries(c.accountType, 3, c.language);
    // Auto-Selection, English, Finnish and the separator come first.
    ASSERT_EQ(entries[3].kind, Kind::Separator);
    EXPECT_EQ(entries[3].code, kLanguageInvalidChoice);
    const std::size_t line = 4 + c.index;
    ASSERT_LT(line, entries.size());
    EXPECT_EQ(entries[line].code, c.code) << c.text;
    EXPECT_EQ(entries[line].text, c.text);
    EXPECT_EQ(IndexOfLanguage(entries, c.code), line) << c.text;
    const auto targets = TargetLanguageEntries(c.accountType, 3, c.language);
    EXPECT_EQ(IndexOfLanguage(targets, c.code), line - 1) << c.text;
  }
  EXPECT_EQ(SourceLanguageEntries(3, 3, kEn).size(), 4u + 39u);
  EXPECT_EQ(SourceLanguageEntries(4, 3, kFi).size(), 4u + 64u);
  EXPECT_EQ(IndexOfLanguage(SourceLanguageEntries(3, 3, kEn), 215), std::nullopt);
}

TEST(LanguageSelection, ChoosingASourceKeepsAFurtherTarget) {
  StateFixture f({{"AccInf1", "3"}, {"LanInf1", "0"}, {"LanInf2", "110"}, {"LanInf3", "false"}});
  LanguageSelection dialog(*f.state, kEn);
  const auto sources = dialog.SourceEntries();
  dialog.ChooseSource(*IndexOfLanguage(sources, kLanguageFinnish));
  EXPECT_EQ(f.state->GetPair(), (LanguagePair{1, 110, false}));

  dialog.ChooseTarget(*IndexOfLanguage(dialog.TargetEntries(), kLanguageFinnish));
  EXPECT_EQ(f.state->GetPair(), (LanguagePair{0, 1, false}));
  dialog.ChooseSource(*IndexOfLanguage(sources, kLanguageFinnish));
  EXPECT_EQ(f.state->GetPair(), (LanguagePair{1, 0, false}));
  EXPECT_EQ(f.Stored("LanInf1"), "1");
  EXPECT_EQ(f.Stored("LanInf2"), "0");
}

TEST(LanguageSelection, AutoSelectionAndTheSeparator) {
  StateFixture f({{"AccInf1", "3"}, {"LanInf1", "100"}, {"LanInf2", "112"}, {"LanInf3", "false"}});
  LanguageSelection dialog(*f.state, kFi);
  EXPECT_TRUE(dialog.TargetEnabled());
  EXPECT_TRUE(dialog.ShowsProviderNotice());
  EXPECT_EQ(dialog.SelectedSource(), IndexOfLanguage(dialog.SourceEntries(), 100));

  dialog.ChooseSource(0);
  EXPECT_EQ(f.state->GetPair(), (LanguagePair{0, 1, true}));
  EXPECT_EQ(dialog.SelectedSource(), 0u);
  EXPECT_FALSE(dialog.TargetEnabled());
  EXPECT_FALSE(dialog.ShowsProviderNotice());

  dialog.ChooseSource(3);  // the separator line
  EXPECT_EQ(f.state->GetPair(), (LanguagePair{98, 1, false}));
  EXPECT_EQ(f.Stored("LanInf1"), "98");

  dialog.ChooseTarget(dialog.TargetEntries().size());  // outside the list
  EXPECT_EQ(f.state->GetPair(), (LanguagePair{98, 1, false}));
}

TEST(LanguageSelection, OkRefusesTheSameLanguageUnlessAutomatic) {
  struct Case {
    LanguagePair pair;
    bool refused;
  };
  const Case cases[] = {{{108, 0, false}, true},   {{108, 0, true}, false},
                        {{219, 110, false}, true}, {{0, 1, false}, false},
                        {{100, 100, false}, true}, {{134, 2, false}, false},
                        {{98, 98, false}, true}};
  for (const Case& c : cases) {
    StateFixture f;
    ASSERT_TRUE(f.state->ChoosePair(c.pair));
    const auto message = LanguageSelection(*f.state, kEn).CheckOk();
    EXPECT_EQ(message.has_value(), c.refused) << c.pair.source << " -> " << c.pair.target;
    if (message) {
      EXPECT_EQ(*message, "The source and target languages cannot be the same!");
    }
  }
  EXPECT_EQ(SameLanguageMessage(kFi), "Lähtö- ja kohdekieli eivät saa olla samoja!");
}

TEST(LanguageMenu, ItemsFollowTheBitsAndTheAccount) {
  struct Case {
    int accountType, bits;
    bool autoSelection, englishFinnish, finnishEnglish, englishSwedish;
  };
  const Case cases[] = {{0, 7, true, true, true, true},     {0, 3, true, true, true, false},
                        {0, 1, false, true, false, false},  {0, 2, false, false, true, false},
                        {0, 0, false, false, false, false}, {3, 7, true, true, true, false},
                        {4, 4, false, false, false, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(IsMenuItemEnabled(LanguageMenuItem::AutoSelection, c.accountType, c.bits),
              c.autoSelection);
    EXPECT_EQ(IsMenuItemEnabled(LanguageMenuItem::EnglishFinnish, c.accountType, c.bits),
              c.englishFinnish);
    EXPECT_EQ(IsMenuItemEnabled(LanguageMenuItem::FinnishEnglish, c.accountType, c.bits),
              c.finnishEnglish);
    EXPECT_EQ(IsMenuItemEnabled(LanguageMenuItem::EnglishSwedish, c.accountType, c.bits),
              c.englishSwedish);
  }
}

TEST(LanguageMenu, CommandsSetThePairAndClearTheNotice) {
  struct Case {
    const char* accountType;
    LanguageMenuItem item;
    LanguagePair expected;
  };
  const Case cases[] = {
      {"0", LanguageMenuItem::EnglishSwedish, {0, 2, false}},
      {"0", LanguageMenuItem::FinnishEnglish, {1, 0, false}},
      {"3", LanguageMenuItem::EnglishFinnish, {0, 1, false}},
      {"3", LanguageMenuItem::AutoSelection, {0, 1, true}},
      {"0", LanguageMenuItem::AutoSelection, {100, 112, true}},
  };
  for (const Case& c : cases) {
    StateFixture f(
        {{"AccInf1", c.accountType}, {"LanInf1", "100"}, {"LanInf2", "112"}, {"LanInf3", "false"}});
    ASSERT_TRUE(f.state->IsNoticePending());
    ChooseMenuItem(*f.state, c.item);
    EXPECT_EQ(f.state->GetPair(), c.expected) << static_cast<int>(c.item);
    EXPECT_FALSE(f.state->IsNoticePending());
  }
}

}  // namespace
}  // namespace vorla

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "config/ConfigFixture.h"
#include "config/MemorySettingsStore.h"
#include "dictionaries/VocabularySets.h"

namespace vorla {
namespace {

using Names = std::vector<std::string>;
using Ids = std::vector<int>;

// Two domain lexicons and three user dictionaries in the English-to-Finnish list.
constexpr std::string_view kList =
    "1:0:0:0:Economy & Trade;3:0:0:0:Information Technology;10001:0:1:0:Alpha;"
    "10002:0:1:1:Beta;10003:0:1:2:Gamma;";

struct SelectionFixture {
  std::shared_ptr<MemorySettingsStore> store = std::make_shared<MemorySettingsStore>();
  RefPtr<Config> config = test::MakeHomeConfig(store);

  std::unique_ptr<VocabularySets> Sets(std::string_view englishFinnish = kList) {
    auto sets = std::make_unique<VocabularySets>(config);
    sets->ReceiveLexiconInfo(englishFinnish);
    return sets;
  }
  std::string Stored(const char* name) const { return store->ReadValue(name).value_or("<none>"); }
};

TEST(ActiveSelection, SelectKeepsTenDistinctKnownIdentifiers) {
  SelectionFixture f;
  VocabularySet& set = f.Sets()->EnglishFinnish();
  EXPECT_EQ(set.Select(0), -1);
  EXPECT_EQ(set.Select(10001), 1);
  EXPECT_EQ(set.Select(10001), -1);
  for (int id = 2; id <= 10; ++id)
    EXPECT_EQ(set.Select(id), id);
  EXPECT_EQ(set.Select(99), -1) << "an eleventh identifier";
  EXPECT_EQ(set.ActiveIds(), (Ids{10001, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(set.Deselect(3), 2);
  EXPECT_EQ(set.Deselect(3), -1);
  EXPECT_EQ(set.Select(99), 10);
}

TEST(ActiveSelection, ConfirmingDropsUnknownNamesAndStoresOnlyWhenRemembering) {
  struct Case {
    bool remember;
    const char* savedSelection;
    const char* rememberValue;
  };
  for (const Case c :
       {Case{true, "Beta;Economy & Trade;Gamma", "true"}, Case{false, "", "false"}}) {
    SelectionFixture f;
    f.store->WriteValue("EnFiVocSelInf", "Alpha");
    auto sets = f.Sets();
    VocabularySet& set = sets->EnglishFinnish();
    const Names unknown = set.ConfirmSelection(
        {"Beta", "Nowhere", "Economy & Trade", "Beta", "beta", "Gamma"}, c.remember);
    EXPECT_EQ(unknown, (Names{"Nowhere", "beta"}));
    EXPECT_EQ(set.ActiveIds(), (Ids{10002, 1, 10003}));
    EXPECT_EQ(set.ActiveNames(), "Beta;Economy & Trade;Gamma");
    EXPECT_EQ(f.Stored("EnFiVocSelInf"), c.savedSelection);
    EXPECT_EQ(f.Stored("EnFiSaveVocSel"), c.rememberValue);
    EXPECT_EQ(set.RemembersSelection(), c.remember);
    EXPECT_EQ(f.Stored("FiEnVocSelInf"), "<none>") << "the other direction is untouched";
  }
}

TEST(ActiveSelection, RestoresFromTheStoredNamesOrElseThisRunsNames) {
  SelectionFixture f;
  f.store->WriteValue("EnFiVocSelInf", "Gamma;Gone;Alpha;Gamma");
  auto sets = f.Sets();
  VocabularySet& set = sets->EnglishFinnish();
  EXPECT_EQ(set.ActiveIds(), (Ids{10003, 10001})) << "restored after the login's list";
  EXPECT_EQ(set.ActiveNames(), "Gamma;Alpha");

  // Without remembering nothing is stored: the next login restores this run's names.
  set.ConfirmSelection({"Beta", "Alpha"}, false);
  sets->ReceiveLexiconInfo("10001:0:1:0:Alpha;10004:0:1:0:Delta;");
  EXPECT_EQ(set.ActiveIds(), (Ids{10001})) << "Beta is no longer listed";

  // The stored selection of an earlier run is restored when the sets are made.
  set.ConfirmSelection({"Delta", "Alpha"}, true);
  VocabularySets nextRun(f.config);
  EXPECT_EQ(nextRun.EnglishFinnish().ActiveIds(), (Ids{10004, 10001}));
  EXPECT_EQ(nextRun.GetActiveDictionaryIds(DictionaryDirection::EnglishFinnish),
            (Ids{10004, 10001}));
  EXPECT_TRUE(nextRun.GetActiveDictionaryIds(DictionaryDirection::FinnishEnglish).empty());
}

TEST(ActiveSelection, RemovingASelectedDictionaryStoresTheSelectionAgainAtEveryPosition) {
  const Names chosen = {"Alpha", "Beta", "Gamma"};
  for (const bool remember : {true, false}) {
    for (std::size_t position = 0; position < chosen.size(); ++position) {
      SelectionFixture f;
      auto sets = f.Sets();
      VocabularySet& set = sets->EnglishFinnish();
      set.ConfirmSelection(chosen, remember);
      const int vocid = set.IdByName(chosen[position]);
      f.store->WriteValue("EnFiVocSelInf", "stale");
      ASSERT_TRUE(set.RemoveRow(vocid));

      Names left = chosen;
      left.erase(left.begin() + static_cast<std::ptrdiff_t>(position));
      const std::string joined = left[0] + ";" + left[1];
      EXPECT_EQ(set.ActiveNames(), joined);
      EXPECT_EQ(set.ActiveIds().size(), 2u);
      EXPECT_EQ(f.Stored("EnFiVocSelInf"), remember ? joined : "") << position;
      EXPECT_FALSE(set.NameInUse(chosen[position]));
    }
  }
}

TEST(ActiveSelection, RemovingAnUnselectedRowLeavesTheStoredSelectionAlone) {
  SelectionFixture f;
  auto sets = f.Sets();
  VocabularySet& set = sets->EnglishFinnish();
  set.ConfirmSelection({"Alpha"}, true);
  f.store->WriteValue("EnFiVocSelInf", "as the user left it");
  EXPECT_TRUE(set.RemoveRow(10002));
  EXPECT_EQ(f.Stored("EnFiVocSelInf"), "as the user left it");
}

TEST(ActiveSelection, LongNamesAreJoinedAndStoredWhole) {
  SelectionFixture f;
  std::string list;
  Names names;
  for (int i = 0; i < 10; ++i) {
    names.push_back(std::string(126, static_cast<char>('a' + i)) + "x");
    list += std::to_string(10001 + i) + ":0:1:0:" + names.back() + ";";
  }
  auto sets = f.Sets(list);
  VocabularySet& set = sets->EnglishFinnish();
  EXPECT_TRUE(set.ConfirmSelection(names, true).empty());
  const std::string stored = f.Stored("EnFiVocSelInf");
  EXPECT_GT(stored.size(), 1024u);
  EXPECT_EQ(stored, set.ActiveNames());
  EXPECT_TRUE(stored.ends_with(names.back()));
  set.Deselect(10001);
  set.RestoreSelection();
  EXPECT_EQ(set.ActiveIds().size(), 10u);
}

TEST(ActiveSelection, RowsOfTheClientAreUserDictionariesOnly) {
  SelectionFixture f;
  auto sets = f.Sets();
  VocabularySet& set = sets->EnglishFinnish();
  EXPECT_FALSE(set.AddRow("Low", 9999, kLexiconUser, DictionaryKind::Normal));
  EXPECT_FALSE(set.AddRow("Alpha", 10010, kLexiconUser, DictionaryKind::Normal));
  EXPECT_FALSE(set.AddRow("Other", 10001, kLexiconUser, DictionaryKind::Normal));
  EXPECT_TRUE(set.AddRow("Session", 10011, kLexiconSession, DictionaryKind::Normal));
  EXPECT_TRUE(set.AddRow("Epsilon", 10012, kLexiconUser, DictionaryKind::Phrases));
  EXPECT_FALSE(set.RemoveRow(3));
  EXPECT_FALSE(set.RenameRow(1, "Renamed domain"));
  EXPECT_TRUE(set.RenameRow(10001, "Alef"));
  EXPECT_TRUE(set.SetRowKind(10001, DictionaryKind::Disambiguation));

  EXPECT_EQ(
      set.ListNames(VocabularySet::kAllTypes),
      (Names{"Economy & Trade", "Information Technology", "Alef", "Beta", "Gamma", "Epsilon"}));
  EXPECT_EQ(set.ListNames(kLexiconUser), (Names{"Alef", "Beta", "Gamma", "Epsilon"}));
  EXPECT_EQ(set.FirstUserIndex(), 2);
  EXPECT_EQ(set.RowById(10001)->vocsubtype, 3);
  EXPECT_EQ(set.NameById(10012), "Epsilon");
  EXPECT_EQ(set.IdByName("Alpha"), 0);
  set.SaveLexInfo();
  EXPECT_TRUE(f.Stored("EnFiLexInf").ends_with(";10012:0:1:1:Epsilon;"));
}

TEST(ActiveSelection, CurrentEditIdentifiersAreStoredPerKindAndClearedByRemoval) {
  SelectionFixture f;
  f.store->WriteValue("FiEnCurEditVoc", "9999");
  f.store->WriteValue("FiEnCurEditVocPhrases", "10020");
  auto sets = f.Sets();
  EXPECT_EQ(sets->FinnishEnglish().CurrentEditId(), 0) << "below 10000 counts as none";
  EXPECT_EQ(sets->FinnishEnglish().CurrentEditId(DictionaryKind::Phrases), 10020);

  VocabularySet& set = sets->EnglishFinnish();
  set.SetCurrentEdit(10003, DictionaryKind::ContextRules);
  EXPECT_EQ(f.Stored("EnFiCurEditVoc"), "10003");
  EXPECT_EQ(f.Stored("EnFiCurEditVocLexRules"), "10003");
  EXPECT_EQ(VocabularySet(f.config, 0, 1).CurrentEditId(DictionaryKind::ContextRules), 10003);

  set.RemoveRow(10003);
  EXPECT_EQ(set.CurrentEditId(), 0);
  EXPECT_EQ(f.Stored("EnFiCurEditVoc"), "0");
  EXPECT_EQ(f.Stored("EnFiCurEditVocLexRules"), "0");
}

}  // namespace
}  // namespace vorla

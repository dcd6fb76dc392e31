#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "config/ConfigFixture.h"
#include "config/MemorySettingsStore.h"
#include "dictionaries/VocabularySets.h"

namespace vorla {
namespace {

TEST(LexiconInfo, ParseSkipsWhatIsNotARowAndStopsAtAnOverlongItem) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<LexiconRow> rows;
  };
  const std::string item254 = "7:0:0:0:" + std::string(246, 'n');
  const std::string item255 = "7:0:0:0:" + std::string(247, 'n');
  const Case cases[] = {
      {"plain rows in order",
       "1:0:0:0:Economy & Trade;10012:5:1:2:My rules;",
       {{1, 0, 0, 0, "Economy & Trade"}, {10012, 5, 1, 2, "My rules"}}},
      {"the name keeps its colons and loses trailing blanks",
       "3:0:0:0:a:b \t\r\n;",
       {{3, 0, 0, 0, "a:b"}}},
      {"short and incomplete items are skipped",
       "1:0:;2:0:0:X;;4:0:0:0:Four;1:2:3;",
       {{4, 0, 0, 0, "Four"}}},
      {"identifier 0, a negative one and an empty name are skipped",
       "0:0:0:0:Zero;-5:0:0:0:Minus;6:0:0:0:   ;8:0:0:0:Eight",
       {{8, 0, 0, 0, "Eight"}}},
      {"numbers are read from the starts of their fields",
       " 12x:+3:1y:2:Name;",
       {{12, 3, 1, 2, "Name"}}},
      {"an item of 254 bytes is a row",
       item254 + ";9:0:0:0:Nine",
       {{7, 0, 0, 0, std::string(246, 'n')}, {9, 0, 0, 0, "Nine"}}},
      {"an item of 255 bytes ends the parse",
       "9:0:0:0:Nine;" + item255 + ";10:0:0:0:Ten",
       {{9, 0, 0, 0, "Nine"}}},
      {"empty text", "", {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ParseLexiconRows(c.text), c.rows) << c.what;
}

TEST(LexiconInfo, FormatReadsBackTheSameRows) {
  const std::vector<LexiconRow> rows = {{1, 0, 0, 0, "Economy & Trade"},
                                        {10012, 7, 1, 3, "Omat s\xe4\xe4nn\xf6t"}};
  EXPECT_EQ(FormatLexiconRows(rows), "1:0:0:0:Economy & Trade;10012:7:1:3:Omat s\xe4\xe4nn\xf6t;");
  EXPECT_EQ(ParseLexiconRows(FormatLexiconRows(rows)), rows);
}

struct SetsFixture {
  std::shared_ptr<MemorySettingsStore> store = std::make_shared<MemorySettingsStore>();
  RefPtr<Config> config = test::MakeHomeConfig(store);
};

std::vector<std::string> Names(const VocabularySet& set) {
  std::vector<std::string> names;
  for (const LexiconRow& row : set.Rows())
    names.push_back(row.name);
  return names;
}

TEST(VocabularySet, StartsWithTheDefaultListsWhenNothingUsableIsStored) {
  for (const char* stored : {static_cast<const char*>(nullptr), "", "0:0:0:0:x;junk"}) {
    SetsFixture f;
    if (stored) f.store->WriteValue("EnFiLexInf", stored);
    VocabularySets sets(f.config);
    EXPECT_EQ(Names(sets.EnglishFinnish()),
              (std::vector<std::string>{"Economy & Trade", "Information Technology", "Engineering",
                                        "Wood Processing", "Health & Biology", "Social Sciences",
                                        "Mathematics", "Chemistry"}));
    EXPECT_EQ(sets.EnglishFinnish().Rows()[6].vocid, 4);
    EXPECT_EQ(Names(sets.FinnishEnglish()), (std::vector<std::string>{"Information Technology"}));
  }
}

TEST(VocabularySet, ListsReplacedByTheLoginAreStoredAndReadBackWhole) {
  SetsFixture f;
  // Long enough that a list cut at 4096 bytes would end inside a row.
  std::string englishFinnish;
  for (int id = 10000; id < 10200; ++id) {
    englishFinnish += std::to_string(id) + ":0:1:0:Dictionary number " + std::to_string(id) + ';';
  }
  ASSERT_GT(englishFinnish.size(), 4096u);
  {
    VocabularySets sets(f.config);
    sets.ReceiveLexiconInfo(englishFinnish + "\n3:0:0:0:Information Technology;10300:0:1:1:Mine;");
    EXPECT_EQ(sets.EnglishFinnish().Rows().size(), 200u);
    EXPECT_EQ(Names(sets.FinnishEnglish()),
              (std::vector<std::string>{"Information Technology", "Mine"}));
  }
  EXPECT_EQ(f.store->ReadValue("EnFiLexInf"), englishFinnish);
  VocabularySets reread(f.config);
  const auto rows = reread.EnglishFinnish().Rows();
  ASSERT_EQ(rows.size(), 200u);
  EXPECT_EQ(rows.back().name, "Dictionary number 10199");
  EXPECT_EQ(Names(reread.FinnishEnglish()),
            (std::vector<std::string>{"Information Technology", "Mine"}));
}

TEST(VocabularySet, ListsWithoutALineFeedFillEnglishFinnishOnly) {
  SetsFixture f;
  VocabularySets sets(f.config);
  sets.ReceiveLexiconInfo("10001:0:1:0:Only;");
  EXPECT_EQ(Names(sets.EnglishFinnish()), (std::vector<std::string>{"Only"}));
  EXPECT_EQ(Names(sets.FinnishEnglish()), (std::vector<std::string>{"Information Technology"}));
  EXPECT_EQ(f.store->ReadValue("EnFiLexInf"), "10001:0:1:0:Only;");
  EXPECT_EQ(f.store->ReadValue("FiEnLexInf"), "3:0:0:0:Information Technology;");
}

TEST(VocabularySet, DomainLexiconsShowFinnishNamesInTheFinnishInterface) {
  SetsFixture f;
  VocabularySets sets(f.config);
  sets.ReceiveLexiconInfo(
      "1:0:0:0:Economy & Trade;2:0:0:0:Forestry;4:0:0:0:Unknown Domain;10001:0:1:0:Law;");
  const VocabularySet& set = sets.EnglishFinnish();
  struct Case {
    const char* name;
    const char* finnish;
  };
  const Case cases[] = {{"Economy & Trade", "Talous"},
                        {"Forestry", "Mets\xe4talous"},
                        {"Unknown Domain", "Unknown Domain"},
                        {"Law", "Law"},  // a user dictionary is never translated
                        {"Not Listed", "Not Listed"}};
  for (const Case& c : cases) {
    f.config->SetUiLanguage(UiLanguage::Finnish);
    EXPECT_EQ(set.DisplayName(c.name), c.finnish) << c.name;
    f.config->SetUiLanguage(UiLanguage::English);
    EXPECT_EQ(set.DisplayName(c.name), c.name);
  }
}

}  // namespace
}  // namespace vorla

// Export and import of user dictionaries as files, saved on the simulated service.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "DictionaryCommands.h"
#include "dictionaries/AttributeCodes.h"
#include "dictionaries/UserVocabulary.h"
#include "dictionaries/VocabularySets.h"
#include "dictionaries/exchange/ExchangeFormat.h"
#include "dictionaries/exchange/VocabularyExchange.h"
#include "service/LoginFixture.h"
#include "support/FileBytes.h"
#include "support/TempHome.h"
#include "translation/LanguagePairs.h"

namespace vorla {
namespace {

class VocabularyExchangeTest : public test::LoginFixture, public testing::Test {
 protected:
  VocabularyExchangeTest() {
    sim::RegisterDictionaryCommands(sim_);
    sim::StoredDictionary phrasebook;
    phrasebook.vocsubtype = 1;
    phrasebook.name = "Phrasebook";
    EXPECT_EQ(sim_.context().dictionaries.Create("demo", phrasebook), 10000);
    prompt_->answers.push_back({"demo", "demo"});
    EXPECT_EQ(LogIn(), 0);
    sets_->ReceiveLexiconInfo("10000:0:1:1:Phrasebook;");
    config_->SetUiLanguage(UiLanguage::English);
  }

  std::unique_ptr<UserVocabulary> Opened(std::optional<std::string_view> name) {
    auto dictionary = std::make_unique<UserVocabulary>(
        VocabularyServices{config_, state_.get(), connections_, sets_});
    dictionary->SetErrorSink(
        [this](const DictionaryErrorReport& report) { reports_.push_back(report.message); });
    dictionary->Open(0, 1, name);
    return dictionary;
  }

  std::filesystem::path Write(const std::string& name, const std::string& bytes) {
    const auto path = dir_.path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  int Import(UserVocabulary& dictionary, const std::filesystem::path& path, bool merge = false,
             bool uniqueName = false, int pairs = kPairsBothDirections) {
    return ImportVocabulary(dictionary, *config_,
                            {.path = path,
                             .format = *ExchangeFormatOfPath(path),
                             .merge = merge,
                             .availablePairs = pairs,
                             .uniqueName = uniqueName},
                            [this](const std::string& note) { notes_.push_back(note); });
  }

  static std::string Phrases(std::string_view name, std::string_view entries,
                             std::string_view pair =
                                 "<sourcelan>en</sourcelan>"
                                 "<targetlan>fi</targetlan>") {
    return "<dictionary><header><name>" + std::string(name) + "</name>" + std::string(pair) +
           "<type>Phrases</type></header><content>" + std::string(entries) +
           "</content></dictionary>";
  }

  test::TempDir dir_;
  std::vector<std::string> reports_;
  std::vector<std::string> notes_;
};

TEST_F(VocabularyExchangeTest, TheFormatFollowsTheFileEnding) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"a.xlsx", 15}, {"a.XLSX", 15},          {"b.csv", 6},          {"c.Xml", 8},
      {"d.tmx", 100}, {"e.doc", std::nullopt}, {"xml", std::nullopt}, {"f.tmx.bak", std::nullopt}};
  for (const auto& [name, format] : cases)
    EXPECT_EQ(ExchangeFormatOfPath(name), format) << name;
  EXPECT_EQ(DefaultImportName("C:\\users\\me/My terms.2024.xml"), "My terms");
}

TEST_F(VocabularyExchangeTest, ExportsThroughATemporaryFile) {
  auto dictionary = Opened("Phrasebook");
  ASSERT_TRUE(dictionary->vocabulary().CreateEntry("thank you", 0, 0, false));
  dictionary->vocabulary().header.vocsubtype = DictionaryKind::Phrases;
  for (const char* name : {"out.xml", "out.tmx"}) {
    const auto path = dir_.path() / name;
    ASSERT_EQ(ExportVocabulary(*dictionary, *config_, path, *ExchangeFormatOfPath(path),
                               UiLanguage::English),
              0);
    EXPECT_EQ(std::system(("xmllint --noout '" + path.string() + "'").c_str()), 0);
  }
  EXPECT_EQ(ExportVocabulary(*dictionary, *config_, dir_.path() / "missing" / "out.xml", 8,
                             UiLanguage::English),
            -20);
  EXPECT_EQ(
      ExportVocabulary(*dictionary, *config_, dir_.path() / "out.doc", 4, UiLanguage::English), -1);
  EXPECT_EQ(reports_.size(), 2u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 2);
}

TEST_F(VocabularyExchangeTest, ImportsIntoANewDictionaryWithTheNotesInTheirOrder) {
  const auto path = Write(
      "rules.xml",
      "<dictionary><header><name>Rules</name><description>" + std::string(600, 'd') +
          "</description><sourcelan>en</sourcelan><targetlan>fi</targetlan>"
          "<type>ContextRules</type></header><content>"
          "<entry><ruletype>Noun/AdjAttr</ruletype><source>light</source><target>valo</target>"
          "</entry>"
          "<entry><ruletype>Nonsense</ruletype><source>x</source><target>y</target></entry>"
          "<entry><ruletype>Noun/AdjAttr</ruletype><source>" +
          std::string(300, 'a') +
          "</source><target>y</target></entry>"
          "</content></dictionary>");
  auto dictionary = Opened(std::nullopt);
  ASSERT_EQ(Import(*dictionary, path), 0);
  EXPECT_EQ(notes_, (std::vector<std::string>{
                        "Note! The imported file contains phrases that are too long. These "
                        "phrases are not imported. The maximum allowed phrase length is 400 "
                        "characters.",
                        "Note! The imported file contains rules that have an invalid rule type. "
                        "These rules are not imported.",
                        "Note! The imported file contains rules that have no context words.",
                        "Note! The description text of the imported dictionary was truncated to "
                        "512 characters."}));
  EXPECT_TRUE(reports_.empty());
  EXPECT_FALSE(dictionary->IsNew());
  const auto stored =
      sim_.context().dictionaries.Find("demo", dictionary->vocabulary().header.vocid);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->name, "Rules");
  EXPECT_EQ(sets_->EnglishFinnish().IdByName("Rules"), dictionary->vocabulary().header.vocid);
}

TEST_F(VocabularyExchangeTest, ANameInUseComesBackForTheCallerToDecide) {
  const auto path = Write("Phrasebook.tmx",
                          "<tmx><body><tu><tuv xml:lang=\"en\"><seg>hello</seg>"
                          "</tuv><tuv xml:lang=\"fi\"><seg>hei</seg></tuv></tu>"
                          "</body></tmx>");
  auto first = Opened(std::nullopt);
  EXPECT_EQ(Import(*first, path), -6);
  EXPECT_TRUE(reports_.empty());
  // Create new: a free name made from the file's.
  auto fresh = Opened(std::nullopt);
  ASSERT_EQ(Import(*fresh, path, false, true), 0);
  EXPECT_EQ(fresh->vocabulary().header.name, "Phrasebook1");
  // Merge: into the listed dictionary, loaded.
  auto listed = Opened("Phrasebook");
  listed->vocabulary().header.vocsubtype = DictionaryKind::Phrases;
  ASSERT_EQ(Import(*listed, path, true), 0);
  EXPECT_EQ(listed->vocabulary().header.vocid, 10000);
  EXPECT_EQ(listed->vocabulary().count(), 1);
  // Replace: the imported dictionary saved with the name test skipped.
  EXPECT_EQ(first->Save(true, true), 0);
  EXPECT_EQ(first->vocabulary().header.vocid, 10000);
}

TEST_F(VocabularyExchangeTest, AFailedMergeLeavesTheOpenDictionaryAsItWas) {
  auto open = Opened("Phrasebook");
  Vocabulary& vocabulary = open->vocabulary();
  vocabulary.header.description = "Mine";
  ASSERT_TRUE(vocabulary.CreateEntry("kept", word_class::kNoun, 0, false));
  const auto terms = [](std::string_view entries, std::string_view pair =
                                                      "<sourcelan>en</sourcelan>"
                                                      "<targetlan>fi</targetlan>") {
    return "<dictionary><header><name>Other</name>" + std::string(pair) +
           "<type>Normal</type></header><content>" + std::string(entries) +
           "</content></dictionary>";
  };
  const struct {
    std::string file;
    int code;
  } cases[] = {
      // Another pair fails before any entry is added.
      {terms("<entry><source>a</source><target>b</target></entry>",
             "<sourcelan>fi</sourcelan><targetlan>en</targetlan>"),
       -16},
      {Phrases("N", ""), -22},
      // An entry the checks refuse ends the import after others were added.
      {terms("<entry><source>added</source><target>b</target></entry>"
             "<entry><source>x?y</source><target>b</target></entry>"),
       -1},
      {terms("<entry><source>added</source><target>b</target></entry><entry>"), -17},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Import(*open, Write("merge.xml", c.file), true), c.code) << c.file;
    ASSERT_EQ(vocabulary.count(), 1) << c.file;
    EXPECT_EQ(vocabulary.At(0).source, "kept");
    EXPECT_EQ(vocabulary.header.name, "Phrasebook");
    EXPECT_EQ(vocabulary.header.description, "Mine");
    EXPECT_EQ(vocabulary.header.vocsubtype, DictionaryKind::Normal);
    EXPECT_TRUE(Requests("updatevoc").empty()) << c.file;
  }
  EXPECT_EQ(reports_.size(), 4u);
}

TEST_F(VocabularyExchangeTest, PairsAndTheEntryLimit) {
  const auto two = Write("two.xml", Phrases("Two",
                                            "<entry><source>a</source><target>1</target>"
                                            "</entry><entry><source>b</source>"
                                            "<target>2</target></entry>"));
  auto blocked = Opened(std::nullopt);
  EXPECT_EQ(Import(*blocked, two, false, false, kPairFinnishEnglish), -21);
  auto swedish = Opened(std::nullopt);
  EXPECT_EQ(Import(*swedish, Write("sv.xml", Phrases("Sv", "",
                                                     "<sourcelan>en</sourcelan>"
                                                     "<targetlan>sv</targetlan>"))),
            -16);
  config_->limits.max_size = 1;
  auto truncated = Opened(std::nullopt);
  ASSERT_EQ(Import(*truncated, two), 0);
  EXPECT_EQ(truncated->vocabulary().count(), 1);
  EXPECT_EQ(notes_, (std::vector<std::string>{
                        "The imported file contains more entries than the maximum allowed number "
                        "1. The dictionary was truncated."}));
  EXPECT_EQ(reports_.size(), 2u);
}

}  // namespace
}  // namespace vorla

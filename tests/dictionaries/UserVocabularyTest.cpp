#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <map>
#include <mutex>
#include <string>

#include "DictionaryCommands.h"
#include "SimAccounts.h"
#include "dictionaries/AttributeCodes.h"
#include "dictionaries/SessionDictionaries.h"
#include "dictionaries/SessionVocabulary.h"
#include "dictionaries/UserVocabulary.h"
#include "dictionaries/VocabularySets.h"
#include "service/LoginFixture.h"

namespace vorla {
namespace {

using namespace std::chrono_literals;
namespace e = dictionary_error;

class UserVocabularyTest : public test::LoginFixture, public testing::Test {
 protected:
  // The service keeps one Phrases dictionary of the user, 10000, and lists no fixed rows of
  // the account, so that created dictionaries are numbered from 10001; the lists stand for
  // what the login fetched.
  UserVocabularyTest() {
    sim::SimAccount demo = *sim_.context().accounts.Find("demo");
    demo.lexicons = sim::LexiconLists({}, {});
    sim_.context().accounts.Add(demo);
    sim::RegisterDictionaryCommands(sim_);
    sim::StoredDictionary phrasebook;
    phrasebook.vocsubtype = 1;
    phrasebook.name = "Phrasebook";
    EXPECT_EQ(sim_.context().dictionaries.Create("demo", phrasebook), 10000);
    prompt_->answers.push_back({"demo", "demo"});
    EXPECT_EQ(LogIn(), 0);
    sets_->ReceiveLexiconInfo("1:0:0:0:Economy & Trade;10000:0:1:1:Phrasebook;");
    config_->SetUiLanguage(UiLanguage::English);
  }

  void Queue(const std::string& command, std::initializer_list<int> statuses) {
    for (const int status : statuses)
      sim_.context().translation.Queue(command, {.status = status});
  }
  bool Stored(int vocid) { return sim_.context().dictionaries.Find("demo", vocid).has_value(); }

  VocabularyServices Services() { return {config_, state_.get(), connections_, sets_}; }

  std::unique_ptr<UserVocabulary> Opened(std::string_view name) {
    auto dictionary = std::make_unique<UserVocabulary>(Services());
    dictionary->SetErrorSink(
        [this](const DictionaryErrorReport& report) { reports_.push_back(report.message); });
    dictionary->Open(0, 1, name);
    return dictionary;
  }

  static void AddNoun(UserVocabulary& dictionary, std::string_view source) {
    const CreatedEntry created =
        dictionary.vocabulary().CreateEntry(source, word_class::kNoun, 0, false);
    ASSERT_TRUE(created);
    created.entry->target = "k\xe4\xe4nn\xf6s";
    dictionary.MarkModified();
  }

  // A stored English-to-Finnish Normal dictionary "Stored" with one term, listed as 10001.
  void StoreOneTermDictionary() {
    auto dictionary = Opened("Stored");
    AddNoun(*dictionary, "cat");
    ASSERT_EQ(dictionary->Save(false, true), 0);
    ASSERT_EQ(dictionary->vocabulary().header.vocid, 10001);
  }

  std::size_t Sent(std::string_view command) const { return Requests(command).size(); }

  std::vector<std::string> reports_;
};

TEST_F(UserVocabularyTest, CreatesLoadsUpdatesAndRemovesADictionary) {
  auto created = Opened("My terms");
  EXPECT_TRUE(created->IsNew());
  AddNoun(*created, "cat");
  AddNoun(*created, "black cat");
  ASSERT_EQ(created->Save(false, false), 0);
  EXPECT_FALSE(created->IsNew());
  EXPECT_FALSE(created->IsModified());
  EXPECT_EQ(created->vocabulary().header.vocid, 10001);
  const auto row = sets_->EnglishFinnish().RowById(10001);
  ASSERT_TRUE(row);
  EXPECT_EQ(row->name, "My terms");
  EXPECT_EQ(row->voctype, kLexiconUser);
  const sim::SimRequest create = Requests("createvoc").at(0);
  EXPECT_EQ(create.Field("vocid"), nullptr);
  EXPECT_EQ(*create.Field("defcnt"), "1");
  EXPECT_EQ(*create.Field("compcnt"), "1");

  auto loaded = Opened("My terms");
  EXPECT_FALSE(loaded->IsNew());
  ASSERT_EQ(loaded->Load(false), 0);
  EXPECT_EQ(loaded->vocabulary().count(), 2);
  EXPECT_EQ(loaded->vocabulary().header.name, "My terms");
  EXPECT_GE(loaded->vocabulary().IndexOfSource("black cat", word_class::kNoun), 0);

  AddNoun(*loaded, "dog");
  ASSERT_EQ(loaded->SetName("Our terms", true), 0);
  ASSERT_EQ(loaded->Save(false, false), 0);
  EXPECT_EQ(*Requests("updatevoc").at(0).Field("vocid"), "10001");
  EXPECT_EQ(sets_->EnglishFinnish().NameById(10001), "Our terms");

  ASSERT_EQ(loaded->Remove(false), 0);
  EXPECT_FALSE(Stored(10001));
  EXPECT_FALSE(sets_->EnglishFinnish().RowById(10001));
  EXPECT_TRUE(reports_.empty());
}

TEST_F(UserVocabularyTest, AFailedLoadKeepsTheEntriesAndRefusesToSave) {
  StoreOneTermDictionary();
  struct Case {
    const char* what;
    std::function<void()> arrange;
    int code;
    int vocid = 10001;
    std::size_t requests = 1;
  };
  const Case cases[] = {
      {"not found", [] {}, e::kNotReadable, 10099},
      {"a positive status", [this] { Queue("getvoc", {4}); }, e::kServer},
      {"the session expired twice",
       [this] {
         Queue("getvoc", {-12, -12});
       },
       e::kNotLoggedIn, 10001, 2},
      {"busy", [this] { Queue("getvoc", {-19}); }, -19},
      {"no answer",
       [this] {
         sim::Faults faults;
         faults.dropBeforeHeaders = true;
         faults.times = 1;
         sim_.SetFaults("getvoc", faults);
       },
       e::kNoConnection},
      {"not a stream",
       [this] {
         auto garbled = *sim_.context().dictionaries.Find("demo", 10001);
         garbled.stream = "garbage";
         sim_.context().dictionaries.Replace("demo", garbled);
       },
       e::kFormat},
  };
  for (const Case& c : cases) {
    auto dictionary = Opened("Stored");
    dictionary->vocabulary().header.vocid = c.vocid;
    AddNoun(*dictionary, "kept");
    c.arrange();
    const std::size_t loads = Sent("getvoc");
    EXPECT_EQ(dictionary->Load(true), c.code) << c.what;
    EXPECT_EQ(Sent("getvoc") - loads, c.requests) << c.what;
    EXPECT_EQ(dictionary->LastError(), c.code) << c.what;
    EXPECT_EQ(dictionary->vocabulary().count(), 1) << c.what;
    EXPECT_GE(dictionary->vocabulary().IndexOfSource("kept", word_class::kNoun), 0) << c.what;
    EXPECT_EQ(dictionary->Save(false, true), c.code) << c.what;
    EXPECT_EQ(Sent("updatevoc"), 0u) << c.what << ": nothing is sent";
  }
}

TEST_F(UserVocabularyTest, ALoadAfterAFailedOneAllowsSavingAgain) {
  StoreOneTermDictionary();
  auto dictionary = Opened("Stored");
  Queue("getvoc", {-11});
  ASSERT_EQ(dictionary->Load(true), e::kNoConnection);
  ASSERT_EQ(dictionary->Load(true), 0);
  AddNoun(*dictionary, "dog");
  EXPECT_EQ(dictionary->Save(false, true), 0);
  EXPECT_EQ(Sent("updatevoc"), 1u);
}

TEST_F(UserVocabularyTest, StatusesOtherThanSuccessAreErrors) {
  struct Case {
    const char* command;
    int status;
    int code;
  };
  const Case cases[] = {{"createvoc", 5, e::kUnexpected},
                        {"createvoc", 9999, e::kUnexpected},
                        {"createvoc", -7, -7},
                        {"updatevoc", 3, e::kServer},
                        {"updatevoc", -21, -21},
                        {"removevoc", 1, e::kServer}};
  for (const Case& c : cases) {
    const std::string command = c.command;
    auto dictionary = Opened("Changing");
    AddNoun(*dictionary, "cat");
    if (command != "createvoc") {
      ASSERT_EQ(dictionary->Save(false, true), 0);
      AddNoun(*dictionary, "dog");
    }
    const int vocid = dictionary->vocabulary().header.vocid;
    Queue(command, {c.status});
    const int code =
        command == "removevoc" ? dictionary->Remove(true) : dictionary->Save(false, true);
    EXPECT_EQ(code, c.code) << c.command << " " << c.status;
    if (command == "createvoc") {
      EXPECT_TRUE(dictionary->IsNew()) << "a failed create leaves it new";
      EXPECT_FALSE(sets_->EnglishFinnish().NameInUse("Changing"));
      EXPECT_EQ(dictionary->Save(false, true), 0) << "and a later save creates it";
      EXPECT_FALSE(dictionary->IsNew());
    } else {
      EXPECT_TRUE(sets_->EnglishFinnish().RowById(vocid)) << c.command << " keeps the row";
      EXPECT_TRUE(dictionary->IsModified()) << c.command;
    }
    ASSERT_EQ(dictionary->Remove(true), 0);
  }
}

TEST_F(UserVocabularyTest, ANewDictionaryTakesTheRowOfAUserDictionaryOfItsNameOnly) {
  auto phrases = Opened("Phrasebook");
  EXPECT_FALSE(phrases->IsNew()) << "opening a listed name takes its identifier";
  auto adopting = std::make_unique<UserVocabulary>(Services());
  adopting->Open(0, 1, std::nullopt);
  ASSERT_EQ(adopting->SetName("Phrasebook", false), 0);
  AddNoun(*adopting, "cat");

  Queue("updatevoc", {-11});
  EXPECT_EQ(adopting->Save(true, true), -11);
  EXPECT_TRUE(adopting->IsNew());
  EXPECT_EQ(sets_->EnglishFinnish().RowById(10000)->vocsubtype, 1) << "kind kept on failure";

  ASSERT_EQ(adopting->Save(true, true), 0);
  EXPECT_EQ(Sent("createvoc"), 0u);
  EXPECT_EQ(*Requests("updatevoc").back().Field("vocid"), "10000");
  EXPECT_FALSE(adopting->IsNew());
  EXPECT_EQ(sets_->EnglishFinnish().RowById(10000)->vocsubtype, 0) << "the row takes the new kind";

  auto domain = std::make_unique<UserVocabulary>(Services());
  domain->Open(0, 1, std::nullopt);
  ASSERT_EQ(domain->SetName("Economy & Trade", false), 0);
  EXPECT_EQ(domain->Save(true, true), e::kNameInUse);
  EXPECT_EQ(domain->Save(false, true), e::kNameInUse);
  EXPECT_EQ(Sent("updatevoc"), 2u);
  EXPECT_EQ(Sent("createvoc"), 0u);
  EXPECT_TRUE(domain->IsNew());
}

TEST_F(UserVocabularyTest, AStreamThatDoesNotReadBackIsNeverSent) {
  auto dictionary = Opened("Fine");
  AddNoun(*dictionary, "cat");
  dictionary->vocabulary().header.name = "semi;colon";
  EXPECT_EQ(dictionary->Save(true, false), e::kFormat);
  EXPECT_EQ(Sent("createvoc"), 0u);
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_EQ(reports_[0],
            "Creating dictionary 'semi;colon' failed! The format of the dictionary is incorrect.");
}

TEST_F(UserVocabularyTest, ReportsNameTheOperationAndTheDictionary) {
  StoreOneTermDictionary();
  auto missing = Opened("Stored");
  missing->vocabulary().header.vocid = 10098;
  config_->SetUiLanguage(UiLanguage::Finnish);
  missing->vocabulary().header.name = "S\xe4ilytetty";
  EXPECT_EQ(missing->Load(false), e::kNotReadable);
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_EQ(reports_[0],
            "Sanaston 'Säilytetty' lataus epäonnistui! Sanastoa ei löytynyt. Se on mahdollisesti "
            "poistettu.");

  config_->limits.max_size = 1;
  auto large = Opened("Large");
  AddNoun(*large, "cat");
  AddNoun(*large, "dog");
  EXPECT_EQ(large->Save(false, false), e::kTooManyEntries);
  EXPECT_EQ(reports_.back(),
            "Sanaston 'Large' luonti epäonnistui! Sanaston koko on liian iso.\r\n\r\nSanasto "
            "sisältää 2 sanaa kun suurin sallittu määrä on 1.");
}

TEST_F(UserVocabularyTest, NamesAreTrimmedCheckedAndMadeUnique) {
  auto dictionary = Opened("Phrasebook");
  EXPECT_EQ(dictionary->SetName("bad;name", false), e::kInvalidName);
  EXPECT_EQ(dictionary->SetName(" Phrasebook\t", true), e::kNameInUse);
  EXPECT_EQ(dictionary->SetName("\xa0New name ", true), 0);
  EXPECT_EQ(dictionary->vocabulary().header.name, "New name");
  EXPECT_TRUE(dictionary->IsRenamed());

  EXPECT_EQ(dictionary->MakeUniqueName("Phrasebook"), 0);
  EXPECT_EQ(dictionary->vocabulary().header.name, "Phrasebook1");
  VocabularySet& set = sets_->EnglishFinnish();
  for (int i = 1; i <= 99; ++i)
    set.AddRow("Phrasebook" + std::to_string(i), 10100 + i, kLexiconUser, DictionaryKind::Normal);
  EXPECT_EQ(dictionary->MakeUniqueName("Phrasebook"), e::kInvalidName);
  const std::string longName(130, 'n');
  EXPECT_EQ(dictionary->MakeUniqueName(longName), 0);
  EXPECT_EQ(dictionary->vocabulary().header.name, std::string(123, 'n'));

  EXPECT_FALSE(dictionary->SetDescription(std::string(512, 'd')));
  EXPECT_TRUE(dictionary->SetDescription(std::string(511, 'd')));
  EXPECT_FALSE(dictionary->SetDescription(std::string(511, 'd')));
}

TEST_F(UserVocabularyTest, TheSessionDictionaryIsCarriedWhileItHoldsEntriesAndRemovedAtTheEnd) {
  SessionVocabulary session(Services(), 0, 1);
  ASSERT_EQ(session.Create(true), 0);
  const sim::SimRequest create = Requests("createvoc").at(0);
  EXPECT_EQ(*create.Field("voctype"), "3");
  EXPECT_EQ(*create.Field("name"), "#Session#4#1");
  EXPECT_FALSE(sets_->EnglishFinnish().NameInUse("#Session#4#1")) << "never listed";
  auto carried = [this] {
    return sets_->GetSessionDictionary(DictionaryDirection::EnglishFinnish);
  };
  ASSERT_TRUE(carried());
  EXPECT_EQ(carried()->vocid, 10001);
  EXPECT_FALSE(carried()->hasEntries);

  AddNoun(*session.dictionary(), "cat");
  ASSERT_EQ(session.Save(), 0);
  EXPECT_TRUE(carried()->hasEntries);
  EXPECT_EQ(*Requests("updatevoc").at(0).Field("vocid"), "10001");

  session.Discard(std::chrono::steady_clock::now() + 10s);
  EXPECT_FALSE(Stored(10001));
  EXPECT_FALSE(carried());
  EXPECT_FALSE(sets_->GetSessionDictionary(DictionaryDirection::FinnishEnglish));
}

TEST_F(UserVocabularyTest, DiscardingTheSessionDictionariesWaitsNoLongerThanTheDeadline) {
  SessionDictionaries sessions(Services());
  for (const auto direction :
       {DictionaryDirection::EnglishFinnish, DictionaryDirection::FinnishEnglish}) {
    ASSERT_EQ(sessions.Of(direction).Create(true), 0);
    EXPECT_TRUE(sets_->GetSessionDictionary(direction));
  }
  EXPECT_EQ(*Requests("createvoc").at(1).Field("srclan"), "1");
  sim::Faults stall;
  stall.stallBefore = 20s;
  sim_.SetFaults("removevoc", stall);
  const auto start = std::chrono::steady_clock::now();
  sessions.DiscardAll(start + 300ms);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
  EXPECT_FALSE(sets_->GetSessionDictionary(DictionaryDirection::EnglishFinnish));
  EXPECT_FALSE(sets_->GetSessionDictionary(DictionaryDirection::FinnishEnglish));
}

}  // namespace
}  // namespace vorla

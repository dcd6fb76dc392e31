// The dictionary exchanges of the client against the simulated service.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "DictionaryCommands.h"
#include "FaultsFile.h"
#include "LoginFixture.h"
#include "TranslationCommands.h"
#include "dictionaries/AttributeCodes.h"
#include "dictionaries/SampleDictionaries.h"
#include "dictionaries/VocabularyReader.h"
#include "service/ServiceClient.h"
#include "service/VocabularyTransfer.h"
#include "support/RecordingObserver.h"
#include "translation/TranslationFlags.h"
#include "translation/TranslationJob.h"

namespace vorla {
namespace {

using namespace std::chrono_literals;

class VocabularyTransferTest : public test::LoginFixture, public testing::Test {
 protected:
  VocabularyTransferTest() {
    sim::RegisterDictionaryCommands(sim_);
    prompt_->answers.push_back({"demo", "demo"});
  }

  void SetUp() override {
    ASSERT_EQ(LogIn(), 0);
    Reinitialise();
  }

  // The client takes its limits from the configuration when it is initialised.
  void Reinitialise() {
    client_.Initialise(config_, *state_, connections_);
    client_.SetDictionaryObserver(observer_);
  }

  struct Upload {
    std::int32_t result = -1;
    std::int32_t status = 0;
  };
  Upload Send(Vocabulary& vocabulary, bool create, std::string_view stream) {
    Upload upload;
    upload.result = client_.UploadVocabulary(vocabulary, stream, create, upload.status, 1);
    return upload;
  }
  Upload Send(Vocabulary& vocabulary, bool create = true) {
    return Send(vocabulary, create, test::StreamOf(vocabulary));
  }
  // Creates the dictionary on the service and takes the identifier it answers.
  void Create(Vocabulary& vocabulary) {
    const Upload created = Send(vocabulary);
    ASSERT_EQ(created.result, kVocabularyExchanged);
    ASSERT_GE(created.status, kFirstUserVocabularyId);
    vocabulary.header.vocid = created.status;
  }

  struct Download {
    std::int32_t result = -1;
    std::int32_t status = 0;
    RefPtr<IDataBuffer> payload;
  };
  Download Fetch(const Vocabulary& vocabulary) {
    Download download;
    download.result = client_.GetVocabulary(vocabulary, download.payload, download.status, 1);
    return download;
  }

  sim::SimRequest Last(std::string_view command) const {
    const auto requests = Requests(command);
    return requests.empty() ? sim::SimRequest{} : requests.back();
  }
  std::string Field(std::string_view command, std::string_view name) const {
    const sim::SimRequest request = Last(command);
    const std::string* value = request.Field(name);
    return value ? *value : "(none)";
  }

  std::size_t Events(std::string_view prefix) const {
    return static_cast<std::size_t>(std::ranges::count_if(
        observer_->events, [&](const std::string& event) { return event.starts_with(prefix); }));
  }

  ServiceClient client_;
  RefPtr<test::RecordingObserver> observer_ = MakeRef<test::RecordingObserver>();
};

std::unique_ptr<Vocabulary> Terms(std::initializer_list<std::pair<const char*, const char*>> terms,
                                  DictionaryKind kind = DictionaryKind::Normal) {
  auto vocabulary = test::MakeDictionary(kind);
  for (const auto& [source, target] : terms) {
    const CreatedEntry created = vocabulary->CreateEntry(
        source, kind == DictionaryKind::Normal ? word_class::kNoun : 0, 0, false);
    EXPECT_TRUE(created) << source;
    if (created) created.entry->target = target;
  }
  return vocabulary;
}

TEST_F(VocabularyTransferTest, EveryKindIsStoredListedReadBackAndRemoved) {
  for (const DictionaryKind kind : {DictionaryKind::Normal, DictionaryKind::Phrases,
                                    DictionaryKind::ContextRules, DictionaryKind::Disambiguation}) {
    SCOPED_TRACE(static_cast<int>(kind));
    const auto sample = test::MakeSample(kind);
    sample->header.name = "Sample" + std::to_string(static_cast<int>(kind));
    const std::string stream = test::StreamOf(*sample);
    observer_->events.clear();
    ASSERT_NO_FATAL_FAILURE(Create(*sample));
    EXPECT_GT(Events("UploadProgress"), 0u);
    EXPECT_EQ(Events("UploadEnd(0,"), 1u);

    std::string lists;
    ASSERT_EQ(client_.RequestLexiconInfo(lists), 0);
    const std::string item = std::to_string(sample->header.vocid) +
                             ":0:1:" + std::to_string(static_cast<int>(kind)) + ":" +
                             sample->header.name + ";";
    EXPECT_NE(lists.substr(0, lists.find('\n')).find(item), std::string::npos) << lists;
    // The demo account lists rows of its own; a new dictionary never takes their ids.
    const std::string id = std::to_string(sample->header.vocid) + ":";
    int rowsWithId = 0;
    for (std::size_t start = 0; start < lists.size();) {
      rowsWithId += lists.compare(start, id.size(), id) == 0;
      const std::size_t end = lists.find_first_of(";\n", start);
      start = end == std::string::npos ? lists.size() : end + 1;
    }
    EXPECT_EQ(rowsWithId, 1) << lists;

    const Download download = Fetch(*sample);
    ASSERT_EQ(download.result, kVocabularyExchanged);
    ASSERT_EQ(download.status, 0);
    ASSERT_TRUE(download.payload);
    EXPECT_TRUE(ViewOf(*download.payload) == stream);
    EXPECT_EQ(Events("DownloadBegin(" + std::to_string(stream.size())), 1u);
    EXPECT_EQ(Events("DownloadEnd(0,"), 1u);
    Vocabulary readBack;
    readBack.header.vocsubtype = kind;
    EXPECT_TRUE(ReadVocabulary(readBack, ViewOf(*download.payload), test::kMaxSize));
    EXPECT_EQ(readBack.count(), sample->count());

    sample->header.description = "changed";
    const Upload update = Send(*sample, false);
    EXPECT_EQ(update.result, kVocabularyExchanged);
    EXPECT_EQ(update.status, 0);
    EXPECT_EQ(Field("updatevoc", "vocid"), std::to_string(sample->header.vocid));

    std::int32_t status = 1;
    EXPECT_EQ(client_.RemoveVocabulary(*sample, status, 1), kVocabularyExchanged);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Fetch(*sample).status, -5);  // no longer stored
  }
}

TEST_F(VocabularyTransferTest, RequestsCarryTheirFieldsInOrder) {
  const auto dictionary = Terms({{"cat", "kissa"}});
  dictionary->header.name = "a+b c\xe4";
  dictionary->header.description = "x&y";
  sim_.context().translation.Queue("createvoc", {.status = 10012});
  const Upload created = Send(*dictionary);
  EXPECT_EQ(created.result, kVocabularyExchanged);
  EXPECT_EQ(created.status, 10012);
  const std::string body = Last("createvoc").body;
  EXPECT_TRUE(
      body.starts_with("cmd=createvoc&p=4&pid=4&voctype=1&vocsubtype=0&shtype=0&srclan=0"
                       "&tgtlan=1&defcnt=1&compcnt=0&uid=1001&name=a%2bb+c%e4"
                       "&description=x%26y&srctxt=%25voc%2d2+"))
      << body;

  dictionary->header.vocid = 10012;
  Fetch(*dictionary);
  EXPECT_EQ(Last("getvoc").body,
            "cmd=getvoc&p=4&pid=4&vocid=10012&voctype=1&srclan=0&tgtlan=1&uid=1001");
  std::int32_t status = 0;
  client_.RemoveVocabulary(*dictionary, status, 1);
  EXPECT_EQ(Last("removevoc").body,
            "cmd=removevoc&p=4&pid=4&vocid=10012&voctype=1&srclan=0&tgtlan=1&uid=1001");
}

TEST_F(VocabularyTransferTest, CountsFollowTheKind) {
  const struct {
    std::unique_ptr<Vocabulary> dictionary;
    const char* defcnt;
    const char* compcnt;
  } cases[] = {
      {Terms({{"cat", "kissa"},
              {"dog", "koira"},
              {"house", "talo"},
              {"black cat", "musta kissa"},
              {"dog house", "koirankoppi"}}),
       "3", "2"},
      {Terms({{"good morning", "huomenta"},
              {"thank you", "kiitos"},
              {"see you", "n\xe4hd\xe4\xe4n"},
              {"how are you", "mit\xe4 kuuluu"},
              {"all right", "selv\xe4"}},
             DictionaryKind::Phrases),
       "5", "0"},
  };
  for (const auto& c : cases) {
    c.dictionary->header.name = c.defcnt;  // names are unique per direction
    const Upload created = Send(*c.dictionary);
    EXPECT_GE(created.status, kFirstUserVocabularyId);  // the service's parser agrees
    EXPECT_EQ(Field("createvoc", "defcnt"), c.defcnt);
    EXPECT_EQ(Field("createvoc", "compcnt"), c.compcnt);
  }
}

TEST_F(VocabularyTransferTest, DictionaryOverMaxSizeIsNeverSent) {
  config_->limits.max_size = 3;
  Reinitialise();
  auto dictionary = Terms({{"a", "1"}, {"b", "2"}, {"c", "3"}});
  EXPECT_GE(Send(*dictionary).status, kFirstUserVocabularyId);

  ASSERT_TRUE(dictionary->CreateEntry("d", word_class::kNoun, 0, false));
  dictionary->header.name = "Other";
  const std::size_t before = sim_.Requests().size();
  const Upload refused = Send(*dictionary);
  EXPECT_EQ(refused.result, kVocabularyTooLargeToSend);
  EXPECT_EQ(refused.status, kVocabularyTooLarge);
  EXPECT_EQ(sim_.Requests().size(), before);
  EXPECT_TRUE(observer_->events.empty() || !observer_->events.back().starts_with("Connecting"));
}

TEST_F(VocabularyTransferTest, DownloadOfMaxLengthIsReadAndOneByteMoreIsNot) {
  const auto dictionary = Terms({{"cat", "kissa"}});
  ASSERT_NO_FATAL_FAILURE(Create(*dictionary));
  const auto length = static_cast<int>(test::StreamOf(*dictionary).size());

  config_->limits.max_length = length;
  Reinitialise();
  const Download exact = Fetch(*dictionary);
  EXPECT_EQ(exact.result, kVocabularyExchanged);
  EXPECT_EQ(exact.status, 0);
  ASSERT_TRUE(exact.payload);
  EXPECT_EQ(exact.payload->GetLength(), length);

  config_->limits.max_length = length - 1;
  Reinitialise();
  const Download over = Fetch(*dictionary);
  EXPECT_EQ(over.result, kVocabularyExchanged);
  EXPECT_EQ(over.status, kVocabularyTooLarge);
  EXPECT_FALSE(over.payload);
}

TEST_F(VocabularyTransferTest, ExpiredSessionIsRenewedOnceForEachCommand) {
  const auto dictionary = Terms({{"cat", "kissa"}});
  ASSERT_NO_FATAL_FAILURE(Create(*dictionary));
  const std::function<std::int32_t()> commands[] = {
      [&] { return Fetch(*dictionary).status; },
      [&] { return Send(*dictionary, false).status; },
      [&] {
        std::int32_t status = 0;
        client_.RemoveVocabulary(*dictionary, status, 1);
        return status;
      },
  };
  const char* names[] = {"getvoc", "updatevoc", "removevoc"};
  for (std::size_t i = 0; i < std::size(commands); ++i) {
    SCOPED_TRACE(names[i]);
    for (const int expiries : {1, 2}) {
      sim_.ClearRequests();
      for (int n = 0; n < expiries; ++n)
        sim_.context().translation.Queue(names[i], {.status = -12});
      const std::int32_t status = commands[i]();
      EXPECT_EQ(status, expiries == 1 ? 0 : kVocabularyNotLoggedIn);
      EXPECT_EQ(Requests(names[i]).size(), 2u);
      EXPECT_EQ(Requests("chkrauth").size(), 1u);
    }
  }

  // A session the service itself has forgotten is answered -12 and renewed the same way.
  sim_.ClearRequests();
  sim::Faults expired;
  expired.expireSession = true;
  expired.times = 1;
  sim_.SetFaults("getvoc", expired);
  const Download download = Fetch(*dictionary);
  EXPECT_EQ(download.status, -5);  // removed above, found missing after the new login
  EXPECT_EQ(Requests("getvoc").size(), 2u);
  EXPECT_EQ(Requests("chkrauth").size(), 1u);
}

TEST_F(VocabularyTransferTest, FaultsEndInTheirResultAndStatus) {
  const auto dictionary = Terms({{"cat", "kissa"}});
  ASSERT_NO_FATAL_FAILURE(Create(*dictionary));
  const auto length = static_cast<std::uint32_t>(test::StreamOf(*dictionary).size());
  config_->limits.max_length = static_cast<int>(length) + 10;
  config_->limits.voc_request_timeout = 1'000;
  Reinitialise();
  using Shape = std::function<void(sim::Faults&)>;
  const Shape none = [](sim::Faults&) {};
  const struct {
    const char* name;
    std::vector<std::int32_t> statuses;
    Shape shape;
    std::int32_t result;
    std::int32_t status;
  } cases[] = {
      {"not found", {-5}, none, kVocabularyExchanged, -5},
      {"too many", {-7}, none, kVocabularyExchanged, -7},
      {"busy", {-19}, none, kVocabularyExchanged, -19},
      {"positive status as it is", {7}, none, kVocabularyExchanged, 7},
      {"over max_length",
       {},
       [&](sim::Faults& f) { f.lyingLength = length + 11; },
       kVocabularyExchanged,
       kVocabularyTooLarge},
      {"negative length",
       {},
       [](sim::Faults& f) { f.lyingLength = 0xFFFF'FFFFu; },
       kVocabularyTransferFailed,
       0},
      {"short payload",
       {},
       [&](sim::Faults& f) { f.lyingLength = length + 10; },
       kVocabularyTransferFailed,
       0},
      {"cut inside the payload",
       {},
       [](sim::Faults& f) { f.closeAfter = 12; },
       kVocabularyTransferFailed,
       0},
      {"cut inside the header",
       {},
       [](sim::Faults& f) { f.closeAfter = 6; },
       kVocabularyTransferFailed,
       0},
      {"dropped connection",
       {},
       [](sim::Faults& f) { f.dropBeforeHeaders = true; },
       kVocabularyTransferFailed,
       0},
      {"delay over the time-out",
       {},
       [](sim::Faults& f) { f.stallBefore = 3s; },
       kVocabularyTransferFailed,
       0},
      {"error page",
       {},
       [](sim::Faults& f) { f.serverError = true; },
       kVocabularyTransferFailed,
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const std::int32_t status : c.statuses)
      sim_.context().translation.Queue("getvoc", {.status = status});
    sim::Faults faults;
    c.shape(faults);
    faults.times = 1;
    sim_.SetFaults("getvoc", faults);
    const Download download = Fetch(*dictionary);
    EXPECT_EQ(download.result, c.result);
    EXPECT_EQ(download.status, c.status);
    EXPECT_FALSE(download.payload);
  }
  EXPECT_EQ(Fetch(*dictionary).status, 0);  // every fault was used up
}

TEST_F(VocabularyTransferTest, CancelledClientSendsNothing) {
  const auto dictionary = Terms({{"cat", "kissa"}});
  client_.Cancel();
  const std::size_t before = sim_.Requests().size();
  std::int32_t status = 0;
  RefPtr<IDataBuffer> payload;
  EXPECT_EQ(client_.GetVocabulary(*dictionary, payload, status, 1), kVocabularyCancelled);
  EXPECT_EQ(Send(*dictionary).result, kVocabularyCancelled);
  EXPECT_EQ(client_.RemoveVocabulary(*dictionary, status, 1), kVocabularyCancelled);
  EXPECT_EQ(sim_.Requests().size(), before);
}

TEST_F(VocabularyTransferTest, ServiceRefusesStreamsThatDoNotMatchTheirDeclaration) {
  const auto dictionary = Terms({{"cat", "kissa"}, {"dog", "koira"}});
  const std::string stream = test::StreamOf(*dictionary);
  const auto fewer = Terms({{"cat", "kissa"}});
  const auto finnishEnglish = Terms({{"cat", "kissa"}, {"dog", "koira"}});
  finnishEnglish->header.srclan = 1;
  finnishEnglish->header.tgtlan = 0;
  const auto phrases = Terms({{"cat", "kissa"}, {"dog", "koira"}}, DictionaryKind::Phrases);
  const auto renamed = Terms({{"cat", "kissa"}, {"dog", "koira"}});
  renamed->header.name = "Renamed";
  std::string cut = stream;
  cut.resize(cut.size() - 4);
  const struct {
    const char* name;
    std::string stream;
  } cases[] = {
      {"counts", test::StreamOf(*fewer)},
      {"languages", test::StreamOf(*finnishEnglish)},
      {"kind", test::StreamOf(*phrases)},
      {"name", test::StreamOf(*renamed)},
      {"no #EOF", cut},
      {"bytes after #EOF", stream + "x"},
      {"a record cut short", stream.substr(0, stream.size() - 8) + "#EOF"},
      {"no stream", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Upload upload = Send(*dictionary, true, c.stream);
    EXPECT_EQ(upload.result, kVocabularyExchanged);
    EXPECT_EQ(upload.status, -1);
  }
  EXPECT_GE(Send(*dictionary, true, stream).status, kFirstUserVocabularyId);
}

TEST_F(VocabularyTransferTest, FaultsFileReachesTheDictionaryCommands) {
  const sim::FaultsFile file = sim::ParseFaultsFile(
      "[getvoc]\nstatuses = -12, -12\nlying_length = 4294967295\ntimes = 1\n"
      "[createvoc]\nstatuses = 5\n");
  ASSERT_TRUE(file.ok()) << file.error;
  sim::ApplyFaultsFile(file, sim_);
  const auto dictionary = Terms({{"cat", "kissa"}});
  EXPECT_EQ(Send(*dictionary).status, 5);
  EXPECT_EQ(Fetch(*dictionary).status, kVocabularyNotLoggedIn);
  EXPECT_FALSE(sim::ParseFaultsFile("[createvoc]\nlying_length = 9\n").ok());
}

TEST_F(VocabularyTransferTest, TranslationAppliesTheActiveTermsAndPhrases) {
  sim::RegisterTranslationCommands(sim_);
  const auto terms = Terms({{"cat", "kisu"}});
  const auto phrases =
      Terms({{"good morning", "huomenta"}, {"cat", "katti"}}, DictionaryKind::Phrases);
  phrases->header.name = "Greetings";
  const auto finnishEnglish = Terms({{"dog", "hauva"}});
  finnishEnglish->header.name = "Other way";
  finnishEnglish->header.srclan = 1;
  finnishEnglish->header.tgtlan = 0;
  for (Vocabulary* dictionary : {terms.get(), phrases.get(), finnishEnglish.get()})
    ASSERT_NO_FATAL_FAILURE(Create(*dictionary));

  const auto translate = [&](std::string_view text, std::vector<int> active) {
    TranslationJob job;
    job.Initialise();
    job.SetSource(std::string(text));
    job.pid = Config::kProductId;
    job.trflags = kTrFromClient;
    job.actcount = {static_cast<int>(active.size()), 0};
    std::ranges::copy(active, job.actfields[0].begin());
    EXPECT_EQ(client_.Translate(job, kNeverRepeat), 0);
    return std::string(job.Result());
  };
  const int termsId = terms->header.vocid;
  const int phrasesId = phrases->header.vocid;
  const struct {
    const char* text;
    std::vector<int> active;
    const char* expected;
  } cases[] = {
      {"the cat", {termsId}, "kisu"},
      {"the cat", {}, "kissa"},
      {"The cat. Good  morning, cat!", {termsId, phrasesId}, "Kisu. Huomenta, kisu!"},
      {"the cat", {phrasesId, termsId}, "katti"},            // the first dictionary decides
      {"the dog", {finnishEnglish->header.vocid}, "koira"},  // another direction
      {"the cat", {99'999}, "kissa"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(translate(c.text, c.active), c.expected);
  }
}

}  // namespace
}  // namespace vorla

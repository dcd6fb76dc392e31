#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "TranslatorFixture.h"
#include "translation/ResultCodes.h"

namespace vorla {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

class TranslatorTest : public test::TranslatorFixture, public testing::Test {
 protected:
  std::uint32_t SentFlags(std::size_t request = 0) const {
    return static_cast<std::uint32_t>(std::stoul(*Requests("tr").at(request).Field("trflags")));
  }
};

TEST_F(TranslatorTest, TranslatesTheSourcePaneIntoTheMainWindow) {
  SetPane("Hello world.");
  const auto job = translator_->StartTranslation({});
  ASSERT_TRUE(job);
  ASSERT_EQ(job->WaitForResult(), 0);

  const auto delivered = delivery_->Delivered();
  ASSERT_EQ(delivered.size(), 1u);
  EXPECT_EQ(delivered[0].result, "ok");
  EXPECT_TRUE(delivered[0].rtf);
  EXPECT_EQ(delivered[0].codePage, 1252);
  EXPECT_EQ(delivered[0].alignment.Records(), (std::vector<AlignmentRecord>{{0, 5, 0, 2}}));
  EXPECT_FALSE(delivered[0].dictionaryLookup);
  EXPECT_FALSE(delivered[0].copyToClipboard);
  EXPECT_EQ(translator_->LastResult(), 0);

  const sim::SimRequest request = Requests("tr").at(0);
  EXPECT_EQ(*request.Field("srcformat"), "2");
  EXPECT_NE(request.Field("srctxt")->find("Hello world."), std::string::npos);
  EXPECT_TRUE(SentFlags() & kTrFromClient);
  EXPECT_TRUE(SentFlags() & kTrSentenceAlignment);
  EXPECT_FALSE(SentFlags() & kTrCompress);
  EXPECT_EQ(*request.Field("trflagsext"), std::to_string(kTrExtOrdinaryRequest));

  const Lines lines = progress_->Lines();
  EXPECT_EQ(lines.front(), "pane: Translating... please wait");
  for (const char* line :
       {"status: Logging in... please wait [hide]", "status: Reading document... [hide]",
        "status: Connecting to the translation server... [show 0]",
        "status: Translation completed [hide]"}) {
    EXPECT_TRUE(Shown(line)) << line;
  }
  EXPECT_EQ(window_->Calls(), (Lines{"cancel on", "languages after login", "cancel off"}));
}

TEST_F(TranslatorTest, JobsCarryTheSessionDictionaryFirstThenTheSelectionOfEachDirection) {
  // The login replaces the lists: these stand for the lists of a later login.
  ASSERT_EQ(translator_->State().Login({}), 0);
  sets_->ReceiveLexiconInfo(
      "1:0:0:0:Economy & Trade;10002:0:1:0:Mine;10005:0:1:0:Also listed;\n"
      "3:0:0:0:Information Technology;");
  VocabularySet& englishFinnish = sets_->EnglishFinnish();
  englishFinnish.ConfirmSelection({"Economy & Trade", "Also listed", "Mine"}, false);
  englishFinnish.SetSessionDictionary(SessionDictionaryInfo{10005, true});
  sets_->FinnishEnglish().ConfirmSelection({"Information Technology"}, false);
  sets_->FinnishEnglish().SetSessionDictionary(SessionDictionaryInfo{10007, false});

  SetPane("Hello world.");
  ASSERT_EQ(translator_->StartTranslation({})->WaitForResult(), 0);
  EXPECT_EQ(*Requests("tr").at(0).Field("actfields"), "10005:1:10002;3");

  // A removed dictionary is no longer carried.
  englishFinnish.SetSessionDictionary(std::nullopt);
  englishFinnish.RemoveRow(10002);
  ASSERT_EQ(translator_->StartTranslation({})->WaitForResult(), 0);
  EXPECT_EQ(*Requests("tr").at(1).Field("actfields"), "1:10005;3");
}

TEST_F(TranslatorTest, EmptySourcePaneDoesNothing) {
  EXPECT_FALSE(translator_->StartTranslation({}));
  EXPECT_TRUE(sim_.Requests().empty());
  EXPECT_TRUE(progress_->Lines().empty());
}

TEST_F(TranslatorTest, TextOver1024BytesIsSentPacked) {
  for (const std::size_t size : {1'024u, 1'025u}) {
    SCOPED_TRACE(size);
    sim_.ClearRequests();
    const bool packed = size > 1'024;
    sim::Faults answer;
    answer.rawAnswer = test::TranslationAnswer(packed ? CompressBytes("ok").value() : "ok");
    sim_.SetFaults("tr", answer);
    TranslationOrder order;
    order.text = std::string(size, 'a');
    order.format = kFormatTxt;
    const auto job = translator_->StartTranslation(order);
    ASSERT_EQ(job->WaitForResult(), 0);
    EXPECT_EQ(static_cast<bool>(SentFlags() & kTrCompressed), packed);
    EXPECT_EQ(delivery_->Delivered().back().result, "ok");
  }
}

TEST_F(TranslatorTest, SingleWordBecomesADictionaryLookup) {
  struct Case {
    const char* text;
    bool lookup;
  };
  for (const Case c : {Case{"house", true}, Case{"two words", false}}) {
    SCOPED_TRACE(c.text);
    sim_.ClearRequests();
    SetPane(c.text);
    ASSERT_EQ(translator_->StartTranslation({})->WaitForResult(), 0);
    EXPECT_EQ(static_cast<bool>(SentFlags() & kTrDictionaryLookup), c.lookup);
    EXPECT_EQ(static_cast<bool>(SentFlags() & kTrSentenceAlignment), !c.lookup);
    EXPECT_EQ(*Requests("tr").at(0).Field("srcformat"), c.lookup ? "1" : "2");
    EXPECT_EQ(delivery_->Delivered().back().dictionaryLookup, c.lookup);
  }
}

TEST_F(TranslatorTest, SecondTranslationCancelsTheFirstWhichReportsNothing) {
  sim::Faults stalled;
  stalled.stallBefore = 60s;
  stalled.times = 1;
  sim_.SetFaults("tr", stalled);
  SetPane("First text.");
  const auto first = translator_->StartTranslation({});
  AwaitRequest("tr");
  SetPane("Second text.");
  const auto second = translator_->StartTranslation({});
  EXPECT_EQ(first->WaitForResult(), kResultInterrupted);
  EXPECT_EQ(second->WaitForResult(), 0);

  EXPECT_EQ(delivery_->Delivered().size(), 1u);
  for (const std::string& line : progress_->Lines())
    EXPECT_FALSE(line.starts_with("failure:")) << line;
  // The first worker ended after the second job had registered: it leaves it alone.
  EXPECT_EQ(std::ranges::count(window_->Calls(), "cancel off"), 1);
  EXPECT_EQ(translator_->LastResult(), 0);
}

TEST_F(TranslatorTest, TheNextTranslationAlsoSupersedesOneThatHasEnded) {
  SetPane("First text.");
  const auto first = translator_->StartTranslation({});
  ASSERT_EQ(first->WaitForResult(), 0);
  // Its reports may still wait for the window thread, which asks the job before showing one.
  EXPECT_TRUE(first->Identity().MayShow());
  SetPane("Second text.");
  const auto second = translator_->StartTranslation({});
  EXPECT_FALSE(first->Identity().MayShow());
  EXPECT_EQ(second->WaitForResult(), 0);
  EXPECT_TRUE(second->Identity().MayShow());
}

TEST_F(TranslatorTest, CancelDuringAStalledDownloadEndsPromptly) {
  sim::Faults stalled;
  stalled.stallAt = 100;
  stalled.stallInside = 60s;
  stalled.rawAnswer = test::TranslationAnswer(std::string(200'000, 't'));
  sim_.SetFaults("tr", stalled);
  SetPane("Text.");
  const auto job = translator_->StartTranslation({});
  AwaitRequest("tr");
  std::this_thread::sleep_for(200ms);
  const auto start = std::chrono::steady_clock::now();
  translator_->CancelTranslationCommand();
  EXPECT_EQ(job->WaitForResult(), kResultInterrupted);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
  EXPECT_TRUE(delivery_->Delivered().empty());
  const Lines lines = progress_->Lines();
  EXPECT_EQ(lines.at(lines.size() - 2), "status: Translation cancelled [hide]");
  EXPECT_EQ(lines.back(), "pane: ");
  EXPECT_EQ(window_->Calls().back(), "cancel off");
}

TEST_F(TranslatorTest, FailedLoginShowsTheLoginsText) {
  prompt_->answers = {{"demo", "wrong"}};
  SetPane("Text.");
  EXPECT_EQ(translator_->StartTranslation({})->WaitForResult(), kResultNotLoggedIn);
  EXPECT_EQ(progress_->Lines().back(), "failure: Login failed - invalid username or password");
  EXPECT_TRUE(Requests("tr").empty());
  EXPECT_EQ(translator_->LastResult(), kResultNotLoggedIn);
}

TEST_F(TranslatorTest, FailureMessageOfTheService) {
  sim::Faults busy;
  busy.rawAnswer = sim::Int32s({12, 0, 0, 0});
  sim_.SetFaults("tr", busy);
  SetPane("Text.");
  EXPECT_EQ(translator_->StartTranslation({})->WaitForResult(), 12);
  EXPECT_EQ(progress_->Lines().back(),
            "failure: Translation failed - the translation server is temporarily busy, try again "
            "later.");
}

TEST_F(TranslatorTest, AutomaticDirectionTakesTheLanguagesTheServiceChose) {
  translator_->State().ChoosePair({0, 1, true});
  sim::Faults reversed;
  reversed.rawAnswer = test::TranslationAnswer("ok", 1, 0) + sim::Int32s({0});
  sim_.SetFaults("tr", reversed);
  SetPane("Hyvää päivää.");
  ASSERT_EQ(translator_->StartTranslation({})->WaitForResult(), 0);
  EXPECT_TRUE(SentFlags() & kTrAutoDirection);
  EXPECT_EQ(translator_->State().GetPair(), (LanguagePair{1, 0, true}));
  EXPECT_EQ(translator_->LastTranslationLanguages(), (LanguagePair{1, 0, false}));
}

TEST_F(TranslatorTest, APairChosenDuringTheTranslationIsKeptWhole) {
  translator_->State().ChoosePair({0, 1, true});
  sim::Faults reversed;
  reversed.rawAnswer = test::TranslationAnswer("ok", 1, 0) + sim::Int32s({0});
  reversed.stallBefore = 300ms;
  sim_.SetFaults("tr", reversed);
  SetPane("Hyvää päivää.");
  const auto job = translator_->StartTranslation({});
  AwaitRequest("tr");
  translator_->State().ChoosePair({0, 2, false});
  ASSERT_EQ(job->WaitForResult(), 0);
  // Neither the service's pick nor a mix of it with the choice.
  EXPECT_EQ(translator_->State().GetPair(), (LanguagePair{0, 2, false}));
  EXPECT_EQ(config_->settings().ReadInteger("LanInf1", -1), 0);
  EXPECT_EQ(config_->settings().ReadInteger("LanInf2", -1), 2);
}

TEST_F(TranslatorTest, FurtherLanguagesSendUtf8WithoutAlignment) {
  UseFurtherLanguageAccount();
  translator_->State().ChoosePair({223, 219, false});
  SetPane("Grüße aus Köln.");
  ASSERT_EQ(translator_->StartTranslation({})->WaitForResult(), 0);
  const sim::SimRequest request = Requests("tr").at(0);
  EXPECT_NE(request.Field("srctxt")->find("Grüße"), std::string::npos);
  EXPECT_FALSE(SentFlags() & kTrSentenceAlignment);
  EXPECT_EQ(*request.Field("srclan"), "223");
  EXPECT_EQ(*request.Field("trflagsext"), std::to_string(kTrExtLongRequest));
}

TEST_F(TranslatorTest, DocumentResultIsWrittenToANewFileAndOpened) {
  sim::Faults page;
  page.rawAnswer = test::TranslationAnswer("<html>sivu</html>");
  sim_.SetFaults("tr", page);
  TranslationOrder order;
  order.text = "<html>page</html>";
  order.format = kFormatHtml;
  order.fileName = "/home/user/page.html";
  ASSERT_EQ(translator_->StartTranslation(order)->WaitForResult(), 0);
  ASSERT_EQ(opener_->opened.size(), 1u);
  const std::filesystem::path opened = opener_->opened[0];
  EXPECT_EQ(opened.filename(), "page translation~186a1.html");
  std::ifstream file(opened);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "<html>sivu</html>");
  EXPECT_EQ(progress_->Lines().back(),
            "pane: Translation done. An external viewer is launched to view the translated "
            "document.");
}

TEST_F(TranslatorTest, ResultFileThatCannotBeWrittenIsAFailure) {
  std::filesystem::remove_all(config_->Dirs().documentsWork);
  std::ofstream(config_->Dirs().documentsWork.parent_path().string()) << "not a folder";
  TranslationOrder order;
  order.text = "<html>page</html>";
  order.format = kFormatHtml;
  ASSERT_EQ(translator_->StartTranslation(order)->WaitForResult(), 0);
  EXPECT_TRUE(opener_->opened.empty());
  EXPECT_EQ(progress_->Lines().back(),
            "failure: Translation failed - the translation cannot be saved to a file");
}

TEST_F(TranslatorTest, PreferencesAreStoredAtOnce) {
  translator_->SetResultWindow(true);
  translator_->SetAutoTranslateClipboard(true);
  translator_->SetPdfResultFormat(2);
  translator_->SetPdfZoom(150);
  translator_->SetAutoRemoveFormatting(true);
  translator_->SetSentenceAlignmentDisplay(1);
  translator_->SetSynchronisedScrolling(true);
  const Settings& settings = config_->settings();
  for (const auto& [name, value] : {std::pair{"UsrPref1", "true"},
                                    {"UsrPref2", "true"},
                                    {"PDFTrFormat", "2"},
                                    {"PDFTrZoom", "150"},
                                    {"AutoRemoveFormatting", "true"},
                                    {"ShowSentAlignmentType", "1"},
                                    {"SynchEditWndScrolling", "true"}}) {
    EXPECT_EQ(settings.ReadString(name), value) << name;
  }
  const UserPreferences read = UserPreferences::Read(settings);
  EXPECT_TRUE(read.resultWindow);
  EXPECT_EQ(read.pdfZoom, 150);
  EXPECT_EQ(translator_->Preferences().sentenceAlignmentDisplay, 1);
}

TEST_F(TranslatorTest, ShutdownCancelsRunningJobsAndWaitsBoundedly) {
  sim::Faults stalled;
  stalled.stallBefore = 60s;
  sim_.SetFaults("tr", stalled);
  SetPane("Text.");
  const auto job = translator_->StartTranslation({});
  AwaitRequest("tr");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(translator_->Shutdown(5s));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
  EXPECT_EQ(job->WaitForResult(), kResultInterrupted);
  EXPECT_TRUE(job->IsCancelled());
}

// What a window went through, kept by the test after the window has gone.
class WindowLog {
 public:
  void Add(std::string line) {
    std::lock_guard lock(mutex_);
    lines_.push_back(std::move(line));
  }
  Lines Get() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }

 private:
  mutable std::mutex mutex_;
  Lines lines_;
};

class LoggingWindow final : public TranslatorWindow {
 public:
  explicit LoggingWindow(std::shared_ptr<WindowLog> log) : log_(std::move(log)) {}
  ~LoggingWindow() override { log_->Add("gone"); }
  void EnableCancelCommand(bool) override {}
  void RefreshLanguageControls(bool) override { log_->Add("languages"); }
  void SpeakTranslation() override {}

 private:
  std::shared_ptr<WindowLog> log_;
};

// Waits until the log holds the lines, at most 30 seconds; the log then.
Lines AwaitLines(const WindowLog& log, std::size_t count) {
  const auto until = std::chrono::steady_clock::now() + 30s;
  while (log.Get().size() < count && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(5ms);
  return log.Get();
}

TEST_F(TranslatorTest, ALoginThreadKeepsTheTranslatorItReportsToUntilItEnds) {
  auto translator = MakeRef<CWindowsTranslator>(config_, 1);
  translator->State().SetLoginHooks({connections_, prompt_, statusBar_, translator.get(), sets_});
  const auto log = std::make_shared<WindowLog>();
  CWindowsTranslator::Hooks hooks = FakeHooks();
  // The translator's hooks hold the only reference to the window.
  hooks.window = std::make_shared<LoggingWindow>(log);
  translator->SetHooks(std::move(hooks));
  sim::Faults slow;
  slow.stallBefore = 300ms;
  sim_.SetFaults("chkrauth", slow);
  translator->State().StartLoginThread(4, 0, true);
  AwaitRequest("chkrauth");

  const auto start = std::chrono::steady_clock::now();
  translator.reset();
  // Letting go of the translator waits for no login.
  EXPECT_LT(std::chrono::steady_clock::now() - start, 200ms);
  // The login reported its end to the window while the translator still had it.
  EXPECT_EQ(AwaitLines(*log, 2), (Lines{"languages", "gone"}));
}

// A receiver of the lexicon lists that logs what it received and when it went.
class LoggingLexicons final : public LexiconInfoReceiver {
 public:
  explicit LoggingLexicons(std::shared_ptr<WindowLog> log) : log_(std::move(log)) {}
  ~LoggingLexicons() override { log_->Add("gone"); }
  void ReceiveLexiconInfo(std::string_view) override { log_->Add("lists"); }

 private:
  std::shared_ptr<WindowLog> log_;
};

TEST_F(TranslatorTest, TheLexiconListsOfALoginStillRunningReachTheirReceiver) {
  const auto log = std::make_shared<WindowLog>();
  auto lexicons = std::make_shared<LoggingLexicons>(log);
  translator_->State().SetLoginHooks(
      {connections_, prompt_, statusBar_, translator_.get(), lexicons});
  sim::Faults slow;
  slow.stallBefore = 300ms;
  sim_.SetFaults("getlexinfo", slow);
  translator_->State().StartLoginThread(4, 0, true);
  AwaitRequest("getlexinfo");

  // The program lets go of the receiver while the login waits for the lists.
  lexicons.reset();
  EXPECT_TRUE(log->Get().empty());
  EXPECT_EQ(AwaitLines(*log, 1), (Lines{"lists"}));
  // The state's hooks hold it until they are set again.
  translator_->State().SetLoginHooks({connections_, prompt_, statusBar_, translator_.get(), sets_});
  EXPECT_EQ(AwaitLines(*log, 2), (Lines{"lists", "gone"}));
}

TEST_F(TranslatorTest, ShutdownEndsALoginThreadStalledInItsRequest) {
  sim::Faults stalled;
  stalled.stallBefore = 60s;
  sim_.SetFaults("chkrauth", stalled);
  translator_->State().StartLoginThread(4, 0, true);
  AwaitRequest("chkrauth");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(translator_->Shutdown(5s));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
  EXPECT_FALSE(translator_->State().IsLoggedIn());
  // The login ended with its cancelled request: it asked nothing more.
  EXPECT_EQ(Requests("chkrauth").size(), 1u);
}

}  // namespace
}  // namespace vorla

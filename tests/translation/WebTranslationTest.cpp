#include <gtest/gtest.h>

#include <fstream>

#include "TranslationCommands.h"
#include "TranslatorFixture.h"
#include "translation/ResultCodes.h"
#include "translation/TranslationFlags.h"

namespace vorla {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

// Records what a web job shows in its dialog, one line a call.
class RecordingWebDialog final : public UnknownImpl<IWebDialogSink> {
 public:
  void ShowStatus(const JobIdentity&, std::string_view text, ProgressBar, int) override {
    Add("status: " + std::string(text));
  }
  void ShowInTargetPane(const JobIdentity&, std::string_view text) override {
    Add("pane: " + std::string(text));
  }
  void ShowFailure(const JobIdentity&, std::string_view message) override {
    Add("failure: " + std::string(message));
  }
  void JobEnded(const JobIdentity&) override { Add("ended"); }

  Lines Recorded() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }

 private:
  void Add(std::string line) {
    std::lock_guard lock(mutex_);
    lines_.push_back(std::move(line));
  }
  mutable std::mutex mutex_;
  Lines lines_;
};

class WebTranslationTest : public test::TranslatorFixture, public testing::Test {
 protected:
  WebTranslationTest() { sim::RegisterTranslationCommands(sim_); }

  // Starts the address and waits for its job; its result code.
  int Translate(std::string_view address) {
    const auto started = translator_->StartWebTranslation(address, dialog_);
    if (!started.job) return started.result;
    return started.job->WaitForResult();
  }

  sim::SimRequest SentRequest() const { return Requests("tr").at(0); }

  RefPtr<RecordingWebDialog> dialog_ = MakeRef<RecordingWebDialog>();
};

TEST_F(WebTranslationTest, WebPageOpensTheStoredResultInTheBrowser) {
  ASSERT_EQ(Translate("example.com/news?day=1#top"), 0);
  const sim::SimRequest sent = SentRequest();
  EXPECT_EQ(*sent.Field("srcurl"), "https://example.com/news?day=1#top");
  EXPECT_EQ(*sent.Field("srcformat"), "3");
  EXPECT_EQ(*sent.Field("rt"), "3");
  EXPECT_EQ(sent.Field("srctxt"), nullptr);
  EXPECT_TRUE(std::stoul(*sent.Field("trflags")) & kTrFromClient);

  ASSERT_EQ(opener_->opened.size(), 1u);
  EXPECT_EQ(opener_->opened[0],
            sim_.url() + "?cmd=redir&page=20&pid=4&uil=0&rid=simresult000001&f=3&s=1");
  const Lines lines = dialog_->Recorded();
  EXPECT_EQ(std::ranges::count(lines, "status: Translating web page... please wait"), 1);
  EXPECT_EQ(std::ranges::count(lines, "status: Reading document..."), 0);
  EXPECT_EQ(lines.at(lines.size() - 2), "ended");
  EXPECT_EQ(lines.back(),
            "status: Translation done. A web browser window is opened to show the translated web "
            "page.");
  // Nothing of a web job reaches the main window, nor its "Cancel translation".
  EXPECT_TRUE(progress_->Lines().empty());
  EXPECT_EQ(std::ranges::count(window_->Calls(), "cancel on"), 0);
}

TEST_F(WebTranslationTest, OnlineDocumentIsWrittenUnderItsNameAndOpened) {
  ASSERT_EQ(Translate("http://example.com/files/report.pdf"), 0);
  EXPECT_EQ(*SentRequest().Field("srcformat"), "5");
  ASSERT_EQ(opener_->opened.size(), 1u);
  const std::filesystem::path opened = opener_->opened[0];
  EXPECT_EQ(opened.filename(), "report translation~186a1.pdf");
  std::ifstream file(opened);
  const std::string content(std::istreambuf_iterator<char>(file), {});
  EXPECT_NE(content.find("http://example.com/files/report.pdf"), std::string::npos) << content;
  const Lines lines = dialog_->Recorded();
  EXPECT_EQ(std::ranges::count(lines, "status: Translating web document... please wait"), 1);
  EXPECT_EQ(lines.back(),
            "status: Translation done. An external viewer is launched to view the translated "
            "document.");
}

TEST_F(WebTranslationTest, ResultIdOfSevenCharactersOpensNothing) {
  sim_.context().translation.SetResultIds({.id = "1234567"});
  EXPECT_EQ(Translate("https://example.com/"), kResultServerError);
  EXPECT_TRUE(opener_->opened.empty());
  EXPECT_TRUE(dialog_->Recorded().back().starts_with("failure: Translation failed"))
      << dialog_->Recorded().back();
}

TEST_F(WebTranslationTest, RefusedAddressesStartNothing) {
  EXPECT_EQ(Translate("http://127.0.0.1/"), kResultAddressRefused);
  EXPECT_EQ(Translate("https://example.com/a.tar.gz"), kResultFormatNotSupported);
  EXPECT_TRUE(Requests("tr").empty());
  EXPECT_TRUE(dialog_->Recorded().empty());
}

TEST_F(WebTranslationTest, ServiceFailureIsShownInTheDialog) {
  sim_.context().translation.Queue("tr", {13});
  EXPECT_EQ(Translate("example.com"), 13);
  EXPECT_EQ(dialog_->Recorded().back(), "failure: Translation failed - translation server error");
  EXPECT_TRUE(opener_->opened.empty());
}

TEST_F(WebTranslationTest, CancelledOrSupersededJobsEndWith10AndShowNothingMore) {
  sim::Faults stalled;
  stalled.stallBefore = 60s;
  stalled.times = 1;
  sim_.SetFaults("tr", stalled);
  const auto first = translator_->StartWebTranslation("first.example.com", dialog_);
  AwaitRequest("tr");
  const auto second = translator_->StartWebTranslation("second.example.com", dialog_);
  EXPECT_EQ(first.job->WaitForResult(), kResultInterrupted);
  EXPECT_EQ(second.job->WaitForResult(), 0);
  EXPECT_EQ(std::ranges::count(dialog_->Recorded(), "ended"), 1);

  sim_.SetFaults("tr", stalled);
  const std::size_t before = Requests("tr").size();
  const auto closed = translator_->StartWebTranslation("third.example.com", dialog_);
  while (Requests("tr").size() == before)
    std::this_thread::sleep_for(5ms);
  // The dialog closes while the job runs.
  EXPECT_TRUE(translator_->CancelWebJob());
  EXPECT_EQ(closed.job->WaitForResult(), kResultInterrupted);
  const Lines lines = dialog_->Recorded();
  EXPECT_EQ(std::ranges::count(lines, "ended"), 1);
  for (const std::string& line : lines)
    EXPECT_FALSE(line.starts_with("failure:")) << line;
  EXPECT_FALSE(translator_->CancelWebJob());
  EXPECT_EQ(opener_->opened.size(), 1u);
}

TEST_F(WebTranslationTest, ShutdownCancelsTheWebJob) {
  sim::Faults stalled;
  stalled.stallBefore = 60s;
  sim_.SetFaults("tr", stalled);
  const auto started = translator_->StartWebTranslation("example.com", dialog_);
  AwaitRequest("tr");
  EXPECT_TRUE(translator_->Shutdown());
  EXPECT_EQ(started.job->WaitForResult(), kResultInterrupted);
}

}  // namespace
}  // namespace vorla

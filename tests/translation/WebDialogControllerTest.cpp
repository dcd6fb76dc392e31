#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "TranslationCommands.h"
#include "TranslatorFixture.h"
#include "translation/WebDialogController.h"

namespace vorla {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

// The dialog's window, one line a change: "status: ...", "history: a | b", "running",
// "idle", "address: ...", "focus address", "focus status".
class RecordingView final : public WebDialogView {
 public:
  std::string AddressText() const override { return address; }
  void SetAddressText(std::string_view text) override {
    address = text;
    lines.push_back("address: " + address);
  }
  void SetStatus(std::string_view text) override {
    lines.push_back("status: " + std::string(text));
  }
  void SetHistory(const std::vector<std::string>& addresses) override {
    std::string line = "history:";
    for (const std::string& entry : addresses)
      line += " " + entry;
    lines.push_back(line);
  }
  void SetRunning(bool running) override { lines.push_back(running ? "running" : "idle"); }
  void FocusAddress() override { lines.push_back("focus address"); }
  void FocusStatus() override { lines.push_back("focus status"); }

  std::string address;
  Lines lines;
};

// Brings the job's reports to the test's thread, which stands for the window thread, and
// drops those of jobs that may no longer show there.
class TestThreadSink final : public UnknownImpl<IWebDialogSink> {
 public:
  explicit TestThreadSink(WebDialogController& controller) : controller_(controller) {}

  void ShowStatus(const JobIdentity& job, std::string_view text, ProgressBar, int) override {
    Post(job, [this, text = std::string(text)] { controller_.ShowStatus(text); });
  }
  void ShowInTargetPane(const JobIdentity&, std::string_view) override {}
  void ShowFailure(const JobIdentity& job, std::string_view message) override {
    Post(job, [this, message = std::string(message)] { controller_.ShowFailure(message); });
  }
  void JobEnded(const JobIdentity& job) override {
    Post(job, [this] { controller_.JobEnded(); });
  }

  // Runs the reports queued so far.
  void RunQueued() {
    std::deque<std::pair<JobIdentity, std::function<void()>>> calls;
    {
      std::lock_guard lock(mutex_);
      calls.swap(calls_);
    }
    for (auto& [job, call] : calls) {
      if (job.MayShow()) call();
    }
  }

 private:
  void Post(const JobIdentity& job, std::function<void()> call) {
    std::lock_guard lock(mutex_);
    calls_.emplace_back(job, std::move(call));
  }

  WebDialogController& controller_;
  std::mutex mutex_;
  std::deque<std::pair<JobIdentity, std::function<void()>>> calls_;
};

class WebDialogControllerTest : public test::TranslatorFixture, public testing::Test {
 protected:
  WebDialogControllerTest() {
    sim::RegisterTranslationCommands(sim_);
    controller_.SetJobSink(sink_);
  }

  // Types the text and presses Translate; waits until the job has ended and its reports
  // have reached the window.
  void TranslateAndWait(std::string text) {
    view_.address = std::move(text);
    controller_.Translate();
    const auto until = std::chrono::steady_clock::now() + 30s;
    while (std::ranges::count(view_.lines, "idle") == 0 &&
           std::chrono::steady_clock::now() < until) {
      std::this_thread::sleep_for(5ms);
      sink_->RunQueued();
    }
  }

  RecordingView view_;
  WebDialogController controller_{*translator_, view_};
  RefPtr<TestThreadSink> sink_ = MakeRef<TestThreadSink>(controller_);
};

TEST_F(WebDialogControllerTest, TranslatesAndRemembersTheAddress) {
  controller_.Open();
  EXPECT_EQ(view_.lines, (Lines{"status: ", "history:", "focus address"}));
  view_.lines.clear();
  TranslateAndWait(" \xC2\xA0\texample.com\r\n");
  EXPECT_EQ(*Requests("tr").at(0).Field("srcurl"), "https://example.com");
  const Lines expected = {
      "running",
      "history: example.com",
      "status: Translating web page... please wait",
      "idle",
      "focus status",
      "status: Translation done. A web browser window is opened to show the translated web "
      "page.",
  };
  // The status texts before the request is sent depend on the login and the transfer.
  Lines shown;
  for (const std::string& line : view_.lines) {
    if (std::ranges::find(expected, line) != expected.end()) shown.push_back(line);
  }
  EXPECT_EQ(shown, expected);
  // The browser opens on the worker after the last report (closing first would cancel it).
  const auto until = std::chrono::steady_clock::now() + 30s;
  while (opener_->count.load(std::memory_order_acquire) == 0 &&
         std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(5ms);
  }
  EXPECT_TRUE(translator_->Shutdown());
  EXPECT_EQ(opener_->opened.size(), 1u);
}

TEST_F(WebDialogControllerTest, RefusedOrTooLongTextFailsAtOnce) {
  const std::pair<std::string, std::string> cases[] = {
      {"https://localhost/",
       "status: Translation failed - the source document cannot be accessed or the given "
       "address is invalid."},
      {std::string(600, 'a'),
       "status: Translation failed - the source document cannot be accessed or the given "
       "address is invalid."},
      {"example.com/photo.gif",
       "status: Translation failed - the format of the source document is not supported."},
  };
  for (const auto& [text, status] : cases) {
    view_.lines.clear();
    view_.address = text;
    controller_.Translate();
    ASSERT_FALSE(view_.lines.empty());
    EXPECT_EQ(view_.lines.back(), status) << text;
    EXPECT_EQ(std::ranges::count(view_.lines, "idle"), 1) << text;
  }
  EXPECT_TRUE(translator_->WebHistory().NewestFirst().empty());
  EXPECT_TRUE(Requests("tr").empty());
}

TEST_F(WebDialogControllerTest, BlankTextAndClearEmptyTheStatus) {
  view_.address = " \t ";
  controller_.Translate();
  EXPECT_EQ(view_.lines, (Lines{"status: ", "focus address"}));
  view_.lines.clear();
  controller_.Clear();
  EXPECT_EQ(view_.lines, (Lines{"status: ", "address: ", "focus address"}));
}

TEST_F(WebDialogControllerTest, ShortAddressIsTranslatedButNotRemembered) {
  TranslateAndWait("a.fi");
  EXPECT_EQ(*Requests("tr").at(0).Field("srcurl"), "https://a.fi");
  EXPECT_TRUE(translator_->WebHistory().NewestFirst().empty());
}

TEST_F(WebDialogControllerTest, ClosingWhileRunningCancelsTheJob) {
  sim::Faults delayed;
  delayed.stallBefore = 300ms;
  sim_.SetFaults("tr", delayed);
  view_.address = "example.com";
  controller_.Translate();
  AwaitRequest("tr");
  controller_.Close();
  EXPECT_FALSE(translator_->CancelWebJob());
  // Long enough for the answer that the job, had it gone on, would have shown.
  std::this_thread::sleep_for(1s);
  sink_->RunQueued();
  EXPECT_EQ(std::ranges::count(view_.lines, "idle"), 0);
  EXPECT_TRUE(translator_->Shutdown());
  EXPECT_TRUE(opener_->opened.empty());
}

}  // namespace
}  // namespace vorla

#include <gtest/gtest.h>

#include "JobDisplayFakes.h"
#include "common/ApplicationClosing.h"
#include "config/ConfigFixture.h"
#include "translation/ProgressFigures.h"
#include "translation/WindowsTranslationInstance.h"

namespace vorla {
namespace {

using Lines = std::vector<std::string>;

class TranslationInstanceTest : public testing::Test {
 protected:
  TranslationInstanceTest() {
    config_->SetUiLanguage(UiLanguage::English);
    job_ = MakeRef<WindowsTranslationInstance>(config_, JobDisplay{progress_, nullptr}, clock_);
  }

  RefPtr<Config> config_ = test::MakeHomeConfig();
  std::shared_ptr<test::ManualClock> clock_ = std::make_shared<test::ManualClock>();
  RefPtr<test::RecordingProgress> progress_ = MakeRef<test::RecordingProgress>();
  RefPtr<WindowsTranslationInstance> job_;
};

TEST_F(TranslationInstanceTest, EventsOfATranslationBecomeStatusTexts) {
  job_->OnConnecting(0);
  job_->OnRequestSent(0, 0);
  job_->OnUploadBegin(4'096, 0);
  job_->OnUploadProgress(1'024, 4'096, 0);
  job_->OnUploadEnd(0, 4'096, 0);
  job_->OnDownloadBegin(8'192, 0);
  clock_->now += 100;
  job_->OnDownloadProgress(2'048, 8'192, 0);
  job_->OnDownloadEnd(0, 8'192, 0);
  job_->OnReconnecting(0, 0);
  EXPECT_EQ(
      progress_->Lines(),
      (Lines{"status: Connecting to the translation server... [show 0]",
             "status: Sending translation request to the server... [show 0]",
             "status: Sending translation request to the server... 25% [set 25]",
             "status: Translating... [hide]", "status: Downloading translation result... [show 0]",
             "status: Downloading translation result... 25% [set 25]", "status:  [hide]",
             "pane: Connection to the server failed. Reconnecting...",
             "status: Connection to the server failed. Reconnecting... [show 0]"}));
}

// The progress dialog's detail line, beside its status.
class RecordingDetails final : public UnknownImpl<IProgressSink> {
 public:
  void ShowStatus(const JobIdentity&, std::string_view, ProgressBar, int) override {}
  void ShowInTargetPane(const JobIdentity&, std::string_view) override {}
  void ShowFailure(const JobIdentity&, std::string_view) override {}
  void ShowDetail(const JobIdentity&, std::string_view text) override { lines.emplace_back(text); }
  Lines lines;
};

TEST_F(TranslationInstanceTest, TransfersFillTheDetailLine) {
  const auto details = MakeRef<RecordingDetails>();
  const auto job =
      MakeRef<WindowsTranslationInstance>(config_, JobDisplay{details, nullptr}, clock_);
  job->OnUploadBegin(8'192, 0);
  job->OnUploadProgress(2'048, 8'192, 0);
  clock_->now += 100;
  job->OnDownloadBegin(512, 0);
  job->OnDownloadProgress(256, 512, 0);
  job->Cancel();
  clock_->now += 100;
  job->OnUploadProgress(4'096, 8'192, 0);
  EXPECT_EQ(details->lines, (Lines{ProgressDetail(2'048, 8'192), ProgressDetail(256, 512)}));
  EXPECT_EQ(details->lines[0], "2KB / 8KB  (25%)");
  EXPECT_EQ(details->lines[1], "");
}

TEST_F(TranslationInstanceTest, UploadOfThePriceQueryEndsWithTheCheckText) {
  config_->SetUiLanguage(UiLanguage::Finnish);
  job_->SetStage(JobStage::PriceQuery);
  job_->OnUploadEnd(0, 10, 0);
  EXPECT_EQ(progress_->Lines(), Lines{"status: Haetaan käännöksen tiedot... [hide]"});
}

TEST_F(TranslationInstanceTest, ProgressIsThrottledAndShownOnlyWhenThePercentageMoves) {
  job_->OnUploadProgress(1'000, 10'000, 0);  // 10%: the first update passes
  clock_->now += 10;
  job_->OnUploadProgress(2'000, 10'000, 0);  // 20% but 10 ms later: held back
  clock_->now += 50;
  job_->OnUploadProgress(2'050, 10'000, 0);  // still 20%, more than 50 ms after the first
  clock_->now += 51;
  job_->OnUploadProgress(2'090, 10'000, 0);  // 20% again: nothing new
  clock_->now += 51;
  job_->OnUploadProgress(3'000, 10'000, 0);
  job_->OnUploadProgress(3'000, 0, 0);  // no total, no percentage
  EXPECT_EQ(progress_->Lines(),
            (Lines{"status: Sending translation request to the server... 10% [set 10]",
                   "status: Sending translation request to the server... 20% [set 20]",
                   "status: Sending translation request to the server... 30% [set 30]"}));
}

TEST_F(TranslationInstanceTest, ResultWindowJobIsNotThrottled) {
  job_->Flags().toResultWindow = true;
  job_->OnUploadProgress(1'000, 10'000, 0);
  job_->OnUploadProgress(2'000, 10'000, 0);  // at once
  EXPECT_EQ(progress_->Lines().size(), 2u);
}

TEST_F(TranslationInstanceTest, EndOfTheUploadResetsTheThrottle) {
  job_->OnUploadProgress(1'000, 10'000, 0);
  job_->OnUploadEnd(0, 10'000, 0);
  job_->OnDownloadProgress(5'000, 10'000, 0);  // at once, and shown
  EXPECT_EQ(progress_->Lines().back(), "status: Downloading translation result... 50% [set 50]");
}

TEST_F(TranslationInstanceTest, PercentagesOfLargeTransfersIn64Bits) {
  constexpr std::int32_t k60Mb = 60 * 1024 * 1024;
  job_->OnDownloadProgress(k60Mb / 2, k60Mb, 0);
  EXPECT_EQ(progress_->Lines(), Lines{"status: Downloading translation result... 50% [set 50]"});
}

TEST_F(TranslationInstanceTest, AfterCancelEveryEventStopsTheTransferAndShowsNothing) {
  job_->Cancel();
  EXPECT_TRUE(job_->Client().IsCancelled());
  EXPECT_EQ(job_->OnConnecting(0), 10);
  EXPECT_EQ(job_->OnReconnecting(0, 0), 10);
  EXPECT_EQ(job_->OnRequestSent(0, 0), 10);
  EXPECT_EQ(job_->OnUploadBegin(1, 0), 10);
  EXPECT_EQ(job_->OnUploadProgress(1, 2, 0), 10);
  EXPECT_EQ(job_->OnUploadEnd(0, 1, 0), 10);
  EXPECT_EQ(job_->OnDownloadBegin(1, 0), 10);
  EXPECT_EQ(job_->OnDownloadProgress(1, 2, 0), 10);
  EXPECT_EQ(job_->OnDownloadEnd(0, 1, 0), 10);
  job_->ShowFailure(2);
  EXPECT_TRUE(progress_->Lines().empty());
}

TEST_F(TranslationInstanceTest, FailureMessageOrTheJobsOwnResultText) {
  job_->Job().error = 2;
  job_->ShowFailure(2);
  job_->SetResultText("Login failed - invalid username or password");
  job_->ShowFailure(15);
  EXPECT_EQ(progress_->Lines(), (Lines{"failure: Translation failed - server connection error",
                                       "failure: Login failed - invalid username or password"}));
}

TEST_F(TranslationInstanceTest, NothingIsShownWhileTheProgramCloses) {
  SetApplicationClosing();
  EXPECT_EQ(job_->OnConnecting(0), 0);
  job_->ShowFailure(2);
  EXPECT_TRUE(progress_->Lines().empty());
}

TEST(ProgressFigures, DetailLineOfTheProgressDialog) {
  constexpr std::int64_t k60Mb = 60 * 1024 * 1024;
  EXPECT_EQ(ProgressDetail(2'048, 8'192), "2KB / 8KB  (25%)");
  EXPECT_EQ(ProgressDetail(500, 1'000), "");
  EXPECT_EQ(ProgressDetail(1'024, 1'024), "");
  EXPECT_EQ(ProgressDetail(k60Mb / 4, k60Mb), "15360KB / 61440KB  (25%)");
  EXPECT_EQ(ProgressDetail(5, 0), "");
  EXPECT_EQ(ProgressPercent(5, 0), std::nullopt);
  EXPECT_EQ(ProgressPercent(5, -1), std::nullopt);
}

}  // namespace
}  // namespace vorla

#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "common/Clock.h"
#include "common/RefPtr.h"
#include "config/Config.h"
#include "service/HttpConn.h"
#include "service/ServiceClient.h"
#include "translation/JobDisplay.h"
#include "translation/ProgressThrottle.h"
#include "translation/TranslationJob.h"

namespace vorla {

// Where the worker of a job stands; the upload's end reports by it.
enum class JobStage : int { Sending = 0, PriceQuery = 1, Done = 2, Failed = 3 };

// Where a job came from and where its result goes, as StartTranslation records them.
struct JobFlags {
  bool clipboardMode = false;
  bool rtfResult = false;
  bool toResultWindow = false;
  bool dictionaryLookup = false;
  bool selectionOnly = false;
  bool showPleaseWait = false;
  // Registered as the main window's current job.
  bool mainWindowJob = false;
  // A file job that reports to its progress dialog; its result is always written to a file.
  bool progressDialog = false;
};

// Follows one interactive translation from the command to the delivered result: holds the
// job and its service client, and turns the events of the job's connection into status texts
// and percentages on the job's display. The worker thread, the connection's notifications and
// the window thread (which may cancel) all use it; it lives while anyone holds a reference.
class WindowsTranslationInstance final : public UnknownImpl<IHttpConnObserver> {
 public:
  WindowsTranslationInstance(RefPtr<Config> config, JobDisplay display,
                             std::shared_ptr<const Clock> clock);

  TranslationJob& Job() { return job_; }
  ServiceClient& Client() { return client_; }
  JobFlags& Flags() { return flags_; }
  const JobFlags& Flags() const { return flags_; }
  const JobDisplay& Display() const { return display_; }
  // Set before the worker starts: a result-window job shows everything in its window.
  void SetDisplay(JobDisplay display) { display_ = std::move(display); }
  // The source as it was before the request packed it; kept for sources that are sent
  // packed, so that a result window can still show them.
  const std::optional<std::string>& SourceCopy() const { return sourceCopy_; }
  void KeepSourceCopy() { sourceCopy_ = std::string(job_.Source()); }
  // The name the job's source file is shown by (UTF-8); empty for text.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string name) { fileName_ = std::move(name); }

  void SetStage(JobStage stage) { stage_ = stage; }
  JobStage Stage() const { return stage_; }

  // Marks the job cancelled and stops its request. From then on every event answers 10 and
  // nothing is shown any more.
  void Cancel();
  bool IsCancelled() const { return cancelled_->load(); }
  // What every report of the job carries, so that the window thread can check again.
  JobIdentity Identity() const { return JobIdentity(cancelled_); }
  // Whether the job may still show anything: not cancelled, and the program is not closing.
  bool MayShow() const { return Identity().MayShow(); }

  // The status path: the text in the status line (with the bar as the action says) and,
  // when asked, in the target pane.
  void ShowStatus(std::string_view text, ProgressBar bar, int percent = 0,
                  bool intoTargetPane = false);
  void ShowInTargetPane(std::string_view text);
  // Shows the failure: the job's result text when it has one (a failed login's), else the
  // failure message of the code ("Translation failed - ...").
  void ShowFailure(int code);
  void SetResultText(std::string text) { resultText_ = std::move(text); }

  // Records how the job ended and wakes whoever waits for it.
  void Finish(int result);
  // Waits until the job has ended; its result code.
  int WaitForResult();

  // ---- IHttpConnObserver: the events of the job's connection.
  std::int32_t OnConnecting(std::int32_t value) override;
  std::int32_t OnReconnecting(std::int32_t reserved, std::int32_t value) override;
  std::int32_t OnRequestSent(std::int32_t status, std::int32_t value) override;
  std::int32_t OnDownloadBegin(std::int32_t total, std::int32_t value) override;
  std::int32_t OnDownloadProgress(std::int32_t soFar, std::int32_t total,
                                  std::int32_t value) override;
  std::int32_t OnDownloadEnd(std::int32_t result, std::int32_t total, std::int32_t value) override;
  std::int32_t OnUploadBegin(std::int32_t total, std::int32_t value) override;
  std::int32_t OnUploadProgress(std::int32_t soFar, std::int32_t total,
                                std::int32_t value) override;
  std::int32_t OnUploadEnd(std::int32_t result, std::int32_t total, std::int32_t value) override;

 private:
  ~WindowsTranslationInstance() override = default;

  UiLanguage Language() const { return config_->GetUiLanguage(); }
  // "Sending translation request to the server... 25%" when the percentage changed and the
  // throttle lets it through.
  void ShowTransferProgress(std::string_view text, std::int64_t done, std::int64_t total,
                            std::optional<int>& lastPercent);

  RefPtr<Config> config_;
  JobDisplay display_;
  TranslationJob job_;
  ServiceClient client_;
  JobFlags flags_;
  std::string fileName_;
  std::optional<std::string> sourceCopy_;
  std::optional<std::string> resultText_;
  std::atomic<JobStage> stage_{JobStage::Sending};
  // Shared with the reports still queued to a window.
  const std::shared_ptr<std::atomic<bool>> cancelled_ = std::make_shared<std::atomic<bool>>(false);

  // The connection's events arrive on the worker thread only.
  ProgressThrottle throttle_;
  std::optional<int> lastUploadPercent_;
  std::optional<int> lastDownloadPercent_;

  std::mutex resultMutex_;
  std::condition_variable resultSet_;
  std::optional<int> result_;
};

}  // namespace vorla

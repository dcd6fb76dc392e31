#include "translation/WindowsTranslationInstance.h"

#include "service/ProgressTexts.h"
#include "translation/FailureMessage.h"
#include "translation/ProgressFigures.h"
#include "translation/ResultCodes.h"

namespace vorla {

namespace {

constexpr std::int32_t kStopTransfer = kResultInterrupted;

}  // namespace

WindowsTranslationInstance::WindowsTranslationInstance(RefPtr<Config> config, JobDisplay display,
                                                       std::shared_ptr<const Clock> clock)
    : config_(std::move(config)), display_(std::move(display)), throttle_(std::move(clock)) {
  job_.Initialise();
}

void WindowsTranslationInstance::Cancel() {
  *cancelled_ = true;
  client_.Cancel();
}

void WindowsTranslationInstance::ShowStatus(std::string_view text, ProgressBar bar, int percent,
                                            bool intoTargetPane) {
  if (!MayShow() || !display_.progress) return;
  if (intoTargetPane) display_.progress->ShowInTargetPane(Identity(), text);
  display_.progress->ShowStatus(Identity(), text, bar, percent);
}

void WindowsTranslationInstance::ShowInTargetPane(std::string_view text) {
  if (MayShow() && display_.progress) display_.progress->ShowInTargetPane(Identity(), text);
}

void WindowsTranslationInstance::ShowFailure(int code) {
  if (!MayShow()) return;
  if (display_.progress) {
    display_.progress->ShowFailure(
        Identity(), resultText_
                        ? *resultText_
                        : FailureMessage(job_, config_->limits.max_translation_len, Language()));
  }
  if (const auto notice = PdfFailureNotice(code)) config_->ShowMessage(notice->In(Language()));
}

void WindowsTranslationInstance::Finish(int result) {
  {
    std::lock_guard lock(resultMutex_);
    result_ = result;
  }
  resultSet_.notify_all();
}

int WindowsTranslationInstance::WaitForResult() {
  std::unique_lock lock(resultMutex_);
  resultSet_.wait(lock, [this] { return result_.has_value(); });
  return *result_;
}

void WindowsTranslationInstance::ShowTransferProgress(std::string_view text, std::int64_t done,
                                                      std::int64_t total,
                                                      std::optional<int>& lastPercent) {
  const std::optional<int> percent = ProgressPercent(done, total);
  if (!percent || percent == lastPercent) return;
  // A result window is never throttled.
  if (!flags_.toResultWindow && !throttle_.Allow()) return;
  lastPercent = percent;
  ShowStatus(std::string(text) + " " + std::to_string(*percent) + "%", ProgressBar::SetTo,
             *percent);
  if (MayShow() && display_.progress) {
    display_.progress->ShowDetail(Identity(), ProgressDetail(done, total));
  }
}

// ---- The connection's events. Each answers 10 once the job is cancelled, which stops the
// transfer, and shows nothing then.

std::int32_t WindowsTranslationInstance::OnConnecting(std::int32_t) {
  if (IsCancelled()) return kStopTransfer;
  ShowStatus(GetProgressText(ProgressText::Connecting, Language()), ProgressBar::ShowAt);
  return 0;
}

std::int32_t WindowsTranslationInstance::OnReconnecting(std::int32_t, std::int32_t) {
  if (IsCancelled()) return kStopTransfer;
  ShowStatus(GetProgressText(ProgressText::Reconnecting, Language()), ProgressBar::ShowAt, 0, true);
  return 0;
}

std::int32_t WindowsTranslationInstance::OnRequestSent(std::int32_t, std::int32_t) {
  return IsCancelled() ? kStopTransfer : 0;
}

std::int32_t WindowsTranslationInstance::OnDownloadBegin(std::int32_t, std::int32_t) {
  if (IsCancelled()) return kStopTransfer;
  lastDownloadPercent_.reset();
  ShowStatus(GetProgressText(ProgressText::Downloading, Language()), ProgressBar::ShowAt);
  return 0;
}

std::int32_t WindowsTranslationInstance::OnDownloadProgress(std::int32_t soFar, std::int32_t total,
                                                            std::int32_t) {
  if (IsCancelled()) return kStopTransfer;
  ShowTransferProgress(GetProgressText(ProgressText::Downloading, Language()), soFar, total,
                       lastDownloadPercent_);
  return 0;
}

std::int32_t WindowsTranslationInstance::OnDownloadEnd(std::int32_t, std::int32_t, std::int32_t) {
  if (IsCancelled()) return kStopTransfer;
  ShowStatus({}, ProgressBar::Hide);
  return 0;
}

std::int32_t WindowsTranslationInstance::OnUploadBegin(std::int32_t, std::int32_t) {
  if (IsCancelled()) return kStopTransfer;
  lastUploadPercent_.reset();
  ShowStatus(GetProgressText(ProgressText::Sending, Language()), ProgressBar::ShowAt);
  return 0;
}

std::int32_t WindowsTranslationInstance::OnUploadProgress(std::int32_t soFar, std::int32_t total,
                                                          std::int32_t) {
  if (IsCancelled()) return kStopTransfer;
  ShowTransferProgress(GetProgressText(ProgressText::Sending, Language()), soFar, total,
                       lastUploadPercent_);
  return 0;
}

std::int32_t WindowsTranslationInstance::OnUploadEnd(std::int32_t, std::int32_t, std::int32_t) {
  if (IsCancelled()) return kStopTransfer;
  const ProgressText text =
      stage_ == JobStage::PriceQuery ? ProgressText::CheckingInfo : ProgressText::Translating;
  ShowStatus(GetProgressText(text, Language()), ProgressBar::Hide);
  lastUploadPercent_.reset();
  throttle_.Reset();
  return 0;
}

}  // namespace vorla

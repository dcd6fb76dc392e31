#include "ui/documents/ProgressDialogController.h"

namespace vorla {

void ProgressDialogController::ShowStatus(std::string_view text, ProgressBar bar, int percent) {
  view_.status = std::string(text);
  view_.detail.clear();
  view_.barVisible = bar != ProgressBar::Hide;
  if (view_.barVisible) view_.percent = percent;
}

void ProgressDialogController::ShowDetail(std::string_view text) {
  view_.detail = std::string(text);
}

void ProgressDialogController::ShowFinalMessage(std::string_view message) {
  view_.status = std::string(message);
  view_.detail.clear();
  view_.barVisible = false;
  view_.saveVisible = false;
  view_.closeButton = true;
  view_.tallStatus = message.find('\n', 1) != std::string_view::npos;
}

void ProgressDialogController::ResultArrived() {
  view_.closeButton = true;
  view_.saveEnabled = true;
}

void ProgressDialogController::Cancel() {
  if (ended_) return;
  ended_ = true;
  if (actions_.cancelJob) actions_.cancelJob();
  closeDialog_();
}

void ProgressDialogController::Save() {
  if (!view_.saveEnabled || ended_) return;
  if (actions_.saveResultAs && actions_.saveResultAs()) Cancel();
}

}  // namespace vorla

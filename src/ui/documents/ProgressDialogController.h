#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "translation/ProgressSink.h"

namespace vorla {

// What the progress dialog of a document job shows.
struct ProgressDialogView {
  std::string status;
  std::string detail;
  bool barVisible = false;
  int percent = 0;
  bool saveVisible = true;
  // "Save translation..." waits for the result.
  bool saveEnabled = false;
  // The cancel button reads "Close" once the job has ended.
  bool closeButton = false;
  // A final message broken after its first character gets a status line twice as high.
  bool tallStatus = false;
};

// The logic of the progress dialog of a document job, without widgets: the dialog shows
// `View()` after every call and hands its buttons to `Cancel` and `Save`.
class ProgressDialogController {
 public:
  struct Actions {
    // Cancels the job and lets it go; the dialog forgets it.
    std::function<void()> cancelJob;
    // Saves the result under a name the user chooses; whether a name was chosen.
    std::function<bool()> saveResultAs;
  };

  explicit ProgressDialogController(std::function<void()> closeDialog)
      : closeDialog_(std::move(closeDialog)) {}

  void SetActions(Actions actions) { actions_ = std::move(actions); }

  const ProgressDialogView& View() const { return view_; }

  void ShowStatus(std::string_view text, ProgressBar bar, int percent);
  void ShowDetail(std::string_view text);
  // The message the job ended with, failure or notice.
  void ShowFinalMessage(std::string_view message);
  // The result is there (and opened): the button reads "Close" and saving is possible.
  void ResultArrived();
  // "Cancel" / "Close", Enter and Escape.
  void Cancel();
  // "Save translation...": the dialog closes once the result was saved.
  void Save();

 private:
  Actions actions_;
  std::function<void()> closeDialog_;
  ProgressDialogView view_;
  bool ended_ = false;
};

}  // namespace vorla

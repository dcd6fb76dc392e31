#pragma once

#include <memory>
#include <string_view>

#include "common/Unknown.h"
#include "translation/JobIdentity.h"

namespace vorla {

// What a job's progress bar does along with a status text.
enum class ProgressBar { ShowAt, SetTo, Hide };

// Where a job shows its progress and its failure: the main window's status line with its
// progress bar and its translation pane (the command line: the standard error); the result
// window, the progress dialog and the web dialog implement it for their jobs (the progress
// dialog's "target pane" is its status text). Called on the
// job's worker thread: a window queues every call to its own thread and, when the call runs
// there, drops it if the window has closed or the job may no longer show (`job`). Texts are
// UTF-8.
class IProgressSink : public IUnknown {
 public:
  using Parent = IUnknown;
  static constexpr InterfaceId kIid = MakeInterfaceId("5E0A7C31-92D4-4B8E-A1F6-3C7D2B9E4A10");

  // The status text and the bar (percent counts for ShowAt and SetTo).
  virtual void ShowStatus(const JobIdentity& job, std::string_view text, ProgressBar bar,
                          int percent) = 0;
  // The detail line under the bar ("2KB / 8KB  (25%)"); an empty text empties it. Only the
  // progress dialog has one: other sinks ignore it.
  virtual void ShowDetail(const JobIdentity& /*job*/, std::string_view /*text*/) {}
  // Held by the job's worker while the job runs: a window that owns the questions of its
  // job (the web dialog: its message boxes and quota notice) names itself for that thread.
  // Other sinks name none.
  virtual std::shared_ptr<void> OwnQuestions() { return nullptr; }
  // Replaces the text of the pane that receives the result; an empty text clears it.
  virtual void ShowInTargetPane(const JobIdentity& job, std::string_view text) = 0;
  // The message of a failed job: in the status line with the bar hidden, and as the content
  // of the target pane in its default format, marked as new text.
  virtual void ShowFailure(const JobIdentity& job, std::string_view message) = 0;

 protected:
  ~IProgressSink() override = default;
};

}  // namespace vorla

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/RefPtr.h"
#include "translation/WebDialogSink.h"

namespace vorla {

class CWindowsTranslator;

// What the web dialog's controller sets in its window. Texts are UTF-8.
class WebDialogView {
 public:
  virtual ~WebDialogView() = default;

  virtual std::string AddressText() const = 0;
  virtual void SetAddressText(std::string_view text) = 0;
  virtual void SetStatus(std::string_view text) = 0;
  // The address list, newest first.
  virtual void SetHistory(const std::vector<std::string>& addresses) = 0;
  // Running: Translate disabled and Close reading "Cancel"; idle: the opposite.
  virtual void SetRunning(bool running) = 0;
  virtual void FocusAddress() = 0;
  virtual void FocusStatus() = 0;
};

// The web dialog's behaviour, without its widgets: Translate, Clear and Close, and the
// reports of its job. Every call runs on the window thread; the job's reports reach it
// through the sink given with SetJobSink, which brings them to that thread and drops those
// of jobs that may no longer show.
class WebDialogController {
 public:
  // The text in the address box is shorter than this.
  static constexpr std::size_t kMaxAddressCharacters = 512;

  WebDialogController(CWindowsTranslator& translator, WebDialogView& view)
      : translator_(translator), view_(view) {}

  void SetJobSink(RefPtr<IWebDialogSink> sink) { sink_ = std::move(sink); }

  // The dialog has just been made: an empty status, the history, the focus in the address.
  void Open();
  void Translate();
  void Clear();
  // Close and Escape: the running job is cancelled.
  void Close();

  // ---- The job's reports, on the window thread.
  void ShowStatus(std::string_view text) { view_.SetStatus(text); }
  void ShowFailure(std::string_view message);
  void JobEnded();

 private:
  CWindowsTranslator& translator_;
  WebDialogView& view_;
  RefPtr<IWebDialogSink> sink_;
};

// The address box's text without the blanks around it (tab, line ends, space and no-break
// space); UTF-8.
std::string TrimWebAddressText(std::string_view text);

}  // namespace vorla

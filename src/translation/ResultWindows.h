#pragma once

#include "common/RefPtr.h"
#include "translation/JobDisplay.h"

namespace vorla {

class WindowsTranslationInstance;

// Opens the separate result window of a job that shows its result there (clipboard
// translations, "Translate and open result in new window", "UsrPref1"). Called on the window
// thread when the job starts; the window shows the job's progress and result through the
// display it returns, and keeps the job to cancel it when it is closed early.
class ResultWindows {
 public:
  virtual ~ResultWindows() = default;

  virtual JobDisplay CreateResultWindow(const RefPtr<WindowsTranslationInstance>& job) = 0;
};

}  // namespace vorla

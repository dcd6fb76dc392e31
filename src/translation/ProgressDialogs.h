#pragma once

#include "common/RefPtr.h"
#include "translation/JobDisplay.h"

namespace vorla {

class WindowsTranslationInstance;

// Opens the progress dialog of a file job ("Translate File"). Called on the window thread
// when the job starts; the job reports only to the display returned (never to the main
// window), and the dialog keeps the job to cancel it and to save its result.
class ProgressDialogs {
 public:
  virtual ~ProgressDialogs() = default;

  virtual JobDisplay CreateProgressDialog(const RefPtr<WindowsTranslationInstance>& job) = 0;
};

}  // namespace vorla

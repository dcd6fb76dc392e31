#pragma once

#include <QPointer>
#include <QWidget>

#include "config/Config.h"
#include "translation/ProgressDialogs.h"

namespace vorla {

// Opens the progress dialog of each file job over the main window. The dialog keeps the job
// to cancel it and to save its result.
class DesktopProgressDialogs final : public ProgressDialogs {
 public:
  explicit DesktopProgressDialogs(RefPtr<Config> config) : config_(std::move(config)) {}

  void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

  JobDisplay CreateProgressDialog(const RefPtr<WindowsTranslationInstance>& job) override;
  // Closes every progress dialog, cancelling its job: at exit, before the translator goes.
  static void CloseAll();

 private:
  RefPtr<Config> config_;
  QPointer<QWidget> mainWindow_;
};

}  // namespace vorla

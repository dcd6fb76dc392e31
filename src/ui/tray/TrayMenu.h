#pragma once

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "ui/tray/TrayActions.h"

namespace vorla {

// The application's notification-area icon: a click restores the main window, the context
// menu holds "Translate clipboard", "Auto-Translate clipboard" (checked while it is on),
// "About Vorla Tool" and "Close Vorla Tool" in the current UI language.
class TrayMenu : public QObject {
  Q_OBJECT

 public:
  TrayMenu(RefPtr<Config> config, TrayActions& actions, const QIcon& icon,
           QObject* parent = nullptr);

  // Shows the icon where the desktop has a notification area; whether it does.
  bool Show();
  // The menu as it opens: texts and check mark brought up to date.
  QMenu& Menu();

 private:
  void Refresh();

  RefPtr<Config> config_;
  TrayActions& actions_;
  QMenu menu_;
  QSystemTrayIcon icon_;
  QAction* translate_;
  QAction* autoTranslate_;
  QAction* about_;
  QAction* close_;
};

}  // namespace vorla

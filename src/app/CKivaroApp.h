#pragma once

#include <memory>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "dictionaries/SessionDictionaries.h"
#include "dictionaries/VocabularySets.h"
#include "platform/CurlGlobal.h"
#include "platform/QtSettingsStore.h"
#include "service/HttpConnFactory.h"
#include "service/ServiceProcessState.h"
#include "translation/CWindowsTranslator.h"
#include "translation/ClipboardTranslation.h"
#include "ui/clipboard/QtClipboard.h"
#include "ui/dialogs/WindowThreadQuestions.h"
#include "ui/documents/DesktopProgressDialogs.h"
#include "ui/main/CMainFrame.h"
#include "ui/result/DesktopResultWindows.h"
#include "ui/tray/TrayMenu.h"

namespace vorla {

// The desktop client's life: brings up the service client's process-wide state, the
// settings and the configuration, the translator and the main window, and takes them down
// again in reverse order. Made once the Qt application exists, on its thread.
class CKivaroApp final : private TrayActions {
 public:
  CKivaroApp() = default;
  // Exits when that has not happened yet.
  ~CKivaroApp() override;
  CKivaroApp(const CKivaroApp&) = delete;
  CKivaroApp& operator=(const CKivaroApp&) = delete;

  // The start-up steps, ending with the main window shown and the keyboard focus in the
  // source pane.
  void InitInstance();
  // Runs the window thread until the main window has closed, then exits; the exit code.
  int Run();
  // The exit steps: the translator's jobs cancelled and its workers awaited for a while, the
  // documents work folder cleaned, and everything released. Only the first call counts.
  void ExitInstance();

  CMainFrame* MainFrame() const { return mainFrame_.get(); }
  CWindowsTranslator& Translator() const { return *translator_; }
  Config& GetConfig() const { return *config_; }
  // The notification-area icon with its menu; none where the desktop has no notification
  // area.
  const TrayMenu* TrayIcon() const { return trayIcon_.get(); }
  // "Translate clipboard" and the automatic translation of the clipboard.
  ClipboardTranslation& Clipboard() const { return *clipboard_; }
  DesktopResultWindows& ResultWindows() const { return *resultWindows_; }

 private:
  void MeasureDisplay();
  // The translator's and the logins' hooks: the window's side and the questions.
  void PlugInTranslator();
  void AddTrayIcon();
  void StartClipboardTranslation();

  // ---- TrayActions
  void TranslateClipboard() override;
  bool AutoTranslate() const override;
  void ToggleAutoTranslate() override;
  void ShowAbout() override;
  void CloseApplication() override;
  void RestoreMainWindow() override;

  std::unique_ptr<CurlGlobal> curl_;
  std::unique_ptr<ServiceProcessState> serviceState_;
  RefPtr<Config> config_;
  std::shared_ptr<HttpConnFactory> connections_;
  std::shared_ptr<VocabularySets> dictionaries_;
  // Removed from the service at exit.
  std::unique_ptr<SessionDictionaries> sessionDictionaries_;
  RefPtr<CWindowsTranslator> translator_;
  std::shared_ptr<WindowThreadQuestions> questions_;
  std::unique_ptr<CMainFrame> mainFrame_;
  std::shared_ptr<QtClipboard> clipboardAccess_ = std::make_shared<QtClipboard>();
  std::shared_ptr<DesktopResultWindows> resultWindows_;
  std::unique_ptr<ClipboardTranslation> clipboard_;
  std::unique_ptr<TrayMenu> trayIcon_;
  bool exited_ = false;
};

}  // namespace vorla

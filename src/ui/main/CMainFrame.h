#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "translation/CWindowsTranslator.h"
#include "ui/dialogs/UpdateWindow.h"
#include "ui/main/MainCommands.h"
#include "ui/main/PaneArea.h"
#include "ui/main/StatusLine.h"
#include "ui/main/WindowThreadQueue.h"
#include "ui/panes/SentenceAlignmentDisplay.h"

class QMenu;

namespace vorla {

class ClipboardTranslation;
class LanguageMenuActions;
class MainWindowDocuments;
class LanguagePairBox;
class MainWindowSpeech;

// The main window: the source and the translation pane, the language-pair box, the menus
// with every command, a toolbar and the status line with the progress bar of the running
// translation. Every command starts here. Its translator side (the job display, the
// "Cancel translation" command, the language controls) is called through its queue, so
// workers never touch it and calls after it has gone are dropped.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  // The connections serve the translator's jobs and the account window.
  CMainFrame(RefPtr<Config> config, RefPtr<CWindowsTranslator> translator,
             std::shared_ptr<HttpConnFactory> connections);
  ~CMainFrame() override;

  // The window's part of the translator's hooks: the connections, the source pane, the job
  // display, the window's translator commands and the opener.
  CWindowsTranslator::Hooks TranslatorHooks();
  // Where logins report: the status line.
  std::shared_ptr<StatusBar> LoginStatusBar();
  std::shared_ptr<Opener> GetOpener() const { return opener_; }
  // What the update windows opened over this window work with.
  UpdateWindowServices UpdateServices();

  // "Translate clipboard" and "Auto-Translate clipboard" of the Action menu, which the
  // notification-area menu sends here too; the application's clipboard translation, which
  // outlives the window, carries them out.
  void ConnectClipboardCommands(ClipboardTranslation& clipboard);

  // Puts the window where it opens on its screen (the stored size when it fits).
  void PlaceOnScreen();

  // ---- The translator's side, on the window thread.
  void ShowJobStatus(const std::string& text, ProgressBar bar, int percent);
  void ShowInTranslationPane(const std::string& text);
  void ShowJobFailure(const std::string& message);
  void ShowTranslation(TranslationDelivery delivery);
  void EnableCancelCommand(bool enabled);
  // The Language menu and the language-pair box follow the account and the pair.
  void RefreshLanguageControls();
  void ShowStatusText(const QString& text);

  // ---- Window commands.
  // Lays the panes out; unless restoring, a new layout is stored as "textarealayout" and
  // the layout in use again does nothing.
  void SetLayout(PaneLayout layout, bool restoring);
  // The user-interface language (the Settings menu's "User interface language"): stored as
  // "defuilan", and menus, captions, tabs, the language-pair box and Qt's own texts are
  // made again in it.
  void SwitchUiLanguage(UiLanguage language);

  TextPane& SourcePane() const { return panes_->Source(); }
  TextPane& TranslationPane() const { return panes_->Translation(); }
  QAction& Command(int id) const { return commands_[id]; }
  const StatusLine& Status() const { return status_; }
  PaneArea& Panes() const { return *panes_; }
  LanguagePairBox& PairBox() const { return *pairBox_; }
  SentenceAlignmentDisplay& Alignment() const { return *alignment_; }
  MainWindowSpeech& Speech() const { return *speech_; }

 signals:
  // The window has closed: the program ends.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildToolBar();
  void ConnectCommands();
  void ConnectPane(TextPane& pane);
  void On(int id, std::function<void()> handler);
  void OnToggled(int id, std::function<void(bool)> handler);
  // The pane that has the keyboard focus, or had it last.
  TextPane& FocusedPane() const;
  UiLanguage Language() const { return config_->GetUiLanguage(); }
  void Retranslate();

  // "Translate", or "Translate and open result in new window".
  void Translate(bool intoNewWindow);
  void RemoveAllFormatting();
  void ShowSentenceAlignment(bool on);
  void Find();
  void Print(const TextPane& pane, const BilingualText& title);
  void KeepOnTop(bool on);
  void ShowMoreLanguages();

  RefPtr<Config> config_;
  RefPtr<CWindowsTranslator> translator_;
  std::shared_ptr<HttpConnFactory> connections_;
  std::shared_ptr<WindowThreadQueue> queue_;
  std::shared_ptr<Opener> opener_;
  PaneArea* panes_;
  LanguagePairBox* pairBox_;
  StatusLine status_;
  MainCommands commands_;
  LanguageMenuActions* languageMenu_;
  SentenceAlignmentDisplay* alignment_;
  QMenu* paneMenu_;
  QPointer<TextPane> focusedPane_;
  // "Open file...", "Translate file...", the pane saves and dropped files.
  std::unique_ptr<MainWindowDocuments> documents_;
  // The speech commands and the speaker.
  std::unique_ptr<MainWindowSpeech> speech_;
  // The translation pane's first visible line when the running translation started, where
  // an RTF result is scrolled back to.
  int firstVisibleLine_ = 0;
};

}  // namespace vorla

#include "app/CKivaroApp.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <chrono>

#include "common/ApplicationClosing.h"
#include "config/SessionCounter.h"
#include "office/WorkbookCounter.h"
#include "platform/CurlHttpConnFactory.h"
#include "platform/QtStandardFolders.h"
#include "ui/UiText.h"
#include "ui/clipboard/NoClipboardTextReport.h"
#include "ui/clipboard/QtClipboard.h"
#include "ui/dialogs/QtLanguageNotice.h"
#include "ui/dialogs/QtLoginPrompt.h"
#include "ui/dialogs/QtMessageBox.h"
#include "ui/dialogs/QtPriceConfirmation.h"
#include "ui/dialogs/QtQuotaNotice.h"
#include "ui/dialogs/UpdateWindow.h"
#include "ui/main/CommandIds.h"
#include "ui/main/MainWindowSpeech.h"
#include "ui/main/ProductIcon.h"
#include "ui/main/ScreenScale.h"

namespace vorla {

namespace {

// How long the exit waits for the service and the workers, all together.
constexpr std::chrono::milliseconds kExitWait{3000};

constexpr BilingualText kUserGuideHint{"Press F8 to open the User Guide.",
                                       "Ohjelman käyttöopas avautuu painamalla F8-näppäintä."};

}  // namespace

CKivaroApp::~CKivaroApp() {
  ExitInstance();
}

void CKivaroApp::InitInstance() {
  curl_ = std::make_unique<CurlGlobal>();
  serviceState_ = std::make_unique<ServiceProcessState>();
  const Environment environment = Environment::FromProcess();
  config_ = MakeRef<Config>(std::make_shared<QtSettingsStore>(environment), QtStandardFolders(),
                            environment);
  MeasureDisplay();
  // Every window, dialog and the taskbar entry shows it.
  QApplication::setWindowIcon(ProductIcon());
  const int sessionNumber = CountProgramStart(config_->settings());
  workbook_counter::Load(config_->settings());
  connections_ = std::make_shared<CurlHttpConnFactory>(config_);
  translator_ = MakeRef<CWindowsTranslator>(config_, sessionNumber);
  dictionaries_ = std::make_shared<VocabularySets>(config_);
  sessionDictionaries_ = std::make_unique<SessionDictionaries>(
      VocabularyServices{config_, &translator_->State(), connections_, dictionaries_});
  config_->CleanDocumentsWorkFolder();

  // Questions of workers and message boxes are asked on this thread, over the main window.
  questions_ = std::make_shared<WindowThreadQuestions>();
  config_->SetMessageBox(std::make_shared<QtMessageBox>(questions_));
  mainFrame_ = std::make_unique<CMainFrame>(config_, translator_, connections_);
  questions_->SetMainWindow(mainFrame_.get());
  // The program ends with the main window: the result windows and progress dialogs close
  // with it (their jobs end with 10), and the event loop ends.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(mainFrame_.get(), &CMainFrame::Closed, [] {
    DesktopResultWindows::CloseAll();
    DesktopProgressDialogs::CloseAll();
    QCoreApplication::quit();
  });
  PlugInTranslator();
  StartClipboardTranslation();

  mainFrame_->PlaceOnScreen();
  mainFrame_->show();
  AddTrayIcon();
  mainFrame_->ShowStatusText(UiText(kUserGuideHint, config_->GetUiLanguage()));
  // The user is logged out until something needs the service: a translation, the account
  // window or "Log in..." logs in then; so does the check for updates at start.
  StartUpdateCheck();
  mainFrame_->SourcePane().setFocus();
}

void CKivaroApp::PlugInTranslator() {
  TranslatorState& state = translator_->State();
  const QPointer<CMainFrame> frame = mainFrame_.get();
  CWindowsTranslator::Hooks hooks = mainFrame_->TranslatorHooks();
  resultWindows_ = std::make_shared<DesktopResultWindows>(config_, state, clipboardAccess_);
  resultWindows_->SetMainWindow(mainFrame_.get());
  resultWindows_->SetClearMainStatus([frame] {
    if (frame) frame->ShowStatusText(QString());
  });
  // Result windows close before the main window goes (CMainFrame::Closed).
  resultWindows_->SetSpeakerMaker([frame](std::shared_ptr<SpeechWindow> window) {
    return frame->Speech().MakeSpeaker(std::move(window));
  });
  hooks.resultWindows = resultWindows_;
  hooks.dictionaries = dictionaries_;
  auto progressDialogs = std::make_shared<DesktopProgressDialogs>(config_);
  progressDialogs->SetMainWindow(mainFrame_.get());
  hooks.progressDialogs = std::move(progressDialogs);
  hooks.priceConfirmation = std::make_shared<QtPriceConfirmation>(questions_, config_);
  hooks.quotaNotice = std::make_shared<QtQuotaNotice>(questions_, config_);
  hooks.languageNotice = std::make_shared<QtLanguageNotice>(questions_, state, [frame] {
    if (frame) frame->RefreshLanguageControls();
  });
  translator_->SetHooks(std::move(hooks));

  TranslatorState::LoginHooks login;
  login.connections = connections_;
  auto prompt =
      std::make_shared<QtLoginPrompt>(questions_, config_, state, mainFrame_->GetOpener());
  // A client too old to log in offers its update beside the login dialog.
  prompt->SetClientTooOldHandler([frame](QWidget* dialog) {
    if (frame) {
      UpdateWindow::Show(dialog, frame->UpdateServices(),
                         {.silent = false, .attempts = 4, .versionCheck = true});
    }
  });
  login.prompt = std::move(prompt);
  login.statusBar = mainFrame_->LoginStatusBar();
  login.observer = translator_.get();
  login.lexicons = dictionaries_;
  state.SetLoginHooks(std::move(login));
}

void CKivaroApp::StartUpdateCheck() {
  const TranslatorState& state = translator_->State();
  if (state.GetUserName().empty() || state.GetAvailablePairs() == 0 ||
      !config_->UpdateCheckEnabled()) {
    return;
  }
  // Hidden until it finds an update; without a stored password it shows nothing.
  UpdateWindow::Show(mainFrame_.get(), mainFrame_->UpdateServices(),
                     {.silent = true, .attempts = 1, .versionCheck = false});
}

void CKivaroApp::MeasureDisplay() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  DisplayMetrics metrics;
  metrics.screenWidth = screen->size().width();
  metrics.screenHeight = screen->size().height();
  metrics.captionHeight = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
  metrics.scale = ScreenDisplayScale(*screen);
  config_->SetDisplayMetrics(metrics);
}

void CKivaroApp::AddTrayIcon() {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  trayIcon_ = std::make_unique<TrayMenu>(config_, static_cast<TrayActions&>(*this),
                                         QApplication::windowIcon());
  trayIcon_->Show();
}

void CKivaroApp::StartClipboardTranslation() {
  clipboard_ = std::make_unique<ClipboardTranslation>(
      translator_, clipboardAccess_, NoClipboardTextReport(mainFrame_.get(), config_));
  // Listening ends with the main window.
  WatchClipboard(mainFrame_.get(), [this] { clipboard_->OnClipboardChanged(); });
  mainFrame_->ConnectClipboardCommands(*clipboard_);
}

// ---- The notification-area menu: its commands go to the main window.

void CKivaroApp::TranslateClipboard() {
  mainFrame_->Command(kCmdTranslateClipboard).trigger();
}

bool CKivaroApp::AutoTranslate() const {
  return clipboard_->AutoTranslate();
}

void CKivaroApp::ToggleAutoTranslate() {
  mainFrame_->Command(kCmdAutoTranslateClipboard).trigger();
}

void CKivaroApp::ShowAbout() {
  mainFrame_->Command(kCmdAbout).trigger();
}

void CKivaroApp::CloseApplication() {
  mainFrame_->Command(kCmdClose).trigger();
}

void CKivaroApp::RestoreMainWindow() {
  mainFrame_->showNormal();
  mainFrame_->raise();
  mainFrame_->activateWindow();
}

int CKivaroApp::Run() {
  const int code = QApplication::exec();
  ExitInstance();
  return code;
}

void CKivaroApp::ExitInstance() {
  if (exited_ || !translator_) return;
  exited_ = true;
  // The session dictionaries are removed while the service may still be asked, within the
  // one wait of the exit, which the workers and logins get what is left of.
  const auto deadline = std::chrono::steady_clock::now() + kExitWait;
  sessionDictionaries_->DiscardAll(deadline);
  sessionDictionaries_.reset();
  // From now on questions answer "cancelled", service exchanges are cancelled and workers
  // show nothing; the frame goes, and what its workers still report is dropped.
  SetApplicationClosing();
  // The tray menu and the result windows act on the frame and the translator: they go first.
  trayIcon_.reset();
  DesktopResultWindows::CloseAll();
  DesktopProgressDialogs::CloseAll();
  mainFrame_.reset();
  clipboard_.reset();
  const bool workersEnded = translator_->Shutdown(
      std::max(std::chrono::milliseconds(0), std::chrono::duration_cast<std::chrono::milliseconds>(
                                                 deadline - std::chrono::steady_clock::now())));
  config_->CleanDocumentsWorkFolder();
  workbook_counter::Save(config_->settings());
  // A worker or login thread still running holds the translator, its hooks, the dictionary
  // sets and the configuration until it ends; exit does not wait for it.
  translator_.reset();
  questions_.reset();
  config_.reset();
  dictionaries_.reset();
  if (!workersEnded) {
    // A worker that outlived the wait may still be in a request: the process-wide state of
    // the requests stays for the rest of the process.
    static_cast<void>(serviceState_.release());
    static_cast<void>(curl_.release());
    return;
  }
  serviceState_.reset();
  curl_.reset();
}

}  // namespace vorla

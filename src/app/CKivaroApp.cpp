#include "app/CKivaroApp.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

#include "config/SessionCounter.h"
#include "platform/CurlHttpConnFactory.h"
#include "platform/QtStandardFolders.h"
#include "ui/UiText.h"
#include "ui/main/ProductIcon.h"

namespace vorla {

namespace {

constexpr BilingualText kUserGuideHint{"Press F8 to open the User Guide.",
                                       "Ohjelman käyttöopas avautuu painamalla F8-näppäintä."};

QString ProductName() {
  return QString::fromUtf8(Config::kProductName.data(),
                           static_cast<qsizetype>(Config::kProductName.size()));
}

constexpr int kStartLoginAttempts = 4;
constexpr int kSilentStatusLine = 0;

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
  const int sessionNumber = CountProgramStart(config_->settings());
  connections_ = std::make_shared<CurlHttpConnFactory>(config_);
  translator_ = MakeRef<CWindowsTranslator>(config_, sessionNumber);
  dictionaries_ = std::make_unique<VocabularySets>(config_);
  config_->CleanDocumentsWorkFolder();

  mainFrame_ = std::make_unique<CMainFrame>(config_, translator_);
  CWindowsTranslator::Hooks hooks = mainFrame_->TranslatorHooks();
  hooks.connections = connections_;
  translator_->SetHooks(std::move(hooks));
  TranslatorState::LoginHooks login;
  login.connections = connections_;
  login.statusBar = mainFrame_->LoginStatusBar();
  login.observer = translator_.get();
  login.lexicons = dictionaries_.get();
  translator_->State().SetLoginHooks(std::move(login));

  mainFrame_->PlaceOnScreen();
  mainFrame_->show();
  AddTrayIcon();
  mainFrame_->ShowStatusText(UiText(kUserGuideHint, config_->GetUiLanguage()));
  LogInAtStart();
  mainFrame_->SourcePane().setFocus();
}

void CKivaroApp::LogInAtStart() {
  // A remembered login goes silently and keeps the hint in the status line; without one the
  // login dialog asks. The language controls follow the account once it has logged in.
  translator_->State().StartLoginThread(kStartLoginAttempts, kSilentStatusLine, false);
}

void CKivaroApp::MeasureDisplay() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  DisplayMetrics metrics;
  metrics.screenWidth = screen->size().width();
  metrics.screenHeight = screen->size().height();
  metrics.captionHeight = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
  metrics.scale = DisplayScaleForDpi(static_cast<int>(screen->logicalDotsPerInch()));
  config_->SetDisplayMetrics(metrics);
}

void CKivaroApp::AddTrayIcon() {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  trayIcon_ = std::make_unique<QSystemTrayIcon>(ProductIcon());
  trayIcon_->setToolTip(ProductName());
  trayIcon_->show();
}

int CKivaroApp::Run() {
  const int code = QApplication::exec();
  ExitInstance();
  return code;
}

void CKivaroApp::ExitInstance() {
  if (exited_ || !translator_) return;
  exited_ = true;
  // The frame goes as it closes; what its workers still report is dropped.
  mainFrame_.reset();
  const bool workersEnded = translator_->Shutdown();
  translator_.reset();
  config_->CleanDocumentsWorkFolder();
  config_.reset();
  trayIcon_.reset();
  if (!workersEnded) {
    // A worker that outlived the wait may still log in (and hand the dictionary sets their
    // lists) or use libcurl: what it uses stays for the rest of the process.
    static_cast<void>(dictionaries_.release());
    static_cast<void>(serviceState_.release());
    static_cast<void>(curl_.release());
    return;
  }
  dictionaries_.reset();
  serviceState_.reset();
  curl_.reset();
}

}  // namespace vorla

#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "AccountCommands.h"
#include "ServiceSimulator.h"
#include "SimAccounts.h"
#include "TranslationCommands.h"
#include "app/CKivaroApp.h"
#include "platform/QtStandardFolders.h"
#include "service/CMD5Checksum.h"
#include "ui/dialogs/AccountInfoPage.h"
#include "ui/dialogs/AccountWindow.h"
#include "ui/main/CommandIds.h"

namespace vorla::test {

// The desktop client against a simulator with the demo account, whose login is stored as
// `vorla login` stores it, so that the client logs in silently when it needs to. The closing flag
// of a program is set once, so every test starts one client (ctest runs each test as a process).
class DesktopAppTest : public testing::Test {
 protected:
  DesktopAppTest() {
    sim::RegisterAccountCommands(sim_);
    sim::RegisterTranslationCommands(sim_);
    sim_.context().accounts.Add(sim::DemoAccount());
    setenv("VORLA_SERVICE_URL", sim_.url().c_str(), 1);
    StoreDemoLogin();
  }
  ~DesktopAppTest() override {
    app_.reset();
    unsetenv("VORLA_SERVICE_URL");
  }

  // As `vorla login` leaves it: the user name and the password's digest, remembered.
  static void StoreDemoLogin() {
    const Environment environment = Environment::FromProcess();
    TranslatorState state(MakeRef<Config>(std::make_shared<QtSettingsStore>(environment),
                                          QtStandardFolders(), environment),
                          0);
    state.SetRemember(true);
    state.SetUserName("demo");
    state.SetPasswordDigest(CMD5Checksum::HexDigest("demo"), 4);
    // The tests that check for updates at start turn it on again.
    state.GetConfig().SetUpdateCheckEnabled(false);
  }

  static Settings StoredSettings() {
    return Settings(std::make_shared<QtSettingsStore>(Environment::FromProcess()));
  }

  // Starts the client; it logs in when something first needs the service.
  void Start() {
    app_ = std::make_unique<CKivaroApp>();
    app_->InitInstance();
    QApplication::setActiveWindow(&Frame());
  }

  CMainFrame& Frame() const { return *app_->MainFrame(); }

  // Types the text into the emptied source pane.
  void TypeSource(const QString& text) const {
    TextPane& source = Frame().SourcePane();
    source.clear();
    source.setFocus();
    QTest::keyClicks(&source, text);
  }
  // The same, then presses F3.
  void Translate(const QString& text) const {
    TypeSource(text);
    QTest::keyClick(&Frame().SourcePane(), Qt::Key_F3);
  }

  // How the program's own event loop ended: its exit code and how long it ran.
  struct RunOutcome {
    int code = 0;
    std::chrono::milliseconds took{};
  };
  static constexpr int kStillRunning = 99;
  // Runs the program's event loop (CKivaroApp::Run, which exits afterwards) and closes the
  // main window as soon as it runs. A loop still running after 20 seconds is ended with
  // kStillRunning.
  RunOutcome RunAndCloseTheMainWindow() {
    QTimer::singleShot(0, &Frame(), [this] { Frame().close(); });
    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    QObject::connect(&stillRunning, &QTimer::timeout,
                     [] { QCoreApplication::exit(kStillRunning); });
    stillRunning.start(std::chrono::seconds(20));
    const auto start = std::chrono::steady_clock::now();
    RunOutcome outcome;
    outcome.code = app_->Run();
    outcome.took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    return outcome;
  }

  // Runs the window thread until the condition holds (at most 30 seconds); whether it held.
  static bool RunUntil(const std::function<bool()>& condition) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
      if (timer.hasExpired(30'000)) return false;
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
  }
  // Runs the window thread for the time, so that what is late has its chance.
  static void RunFor(std::chrono::milliseconds duration) {
    QElapsedTimer timer;
    timer.start();
    while (!timer.hasExpired(duration.count()))
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }

  std::size_t RequestsOf(std::string_view command) const {
    std::size_t count = 0;
    for (const sim::SimRequest& request : sim_.Requests()) {
      const std::string* cmd = request.Field("cmd");
      count += cmd && *cmd == command ? 1 : 0;
    }
    return count;
  }

  // The next request of the command waits this long before it is answered.
  void StallNext(const std::string& command, std::chrono::milliseconds stall) {
    sim::Faults faults;
    faults.stallBefore = stall;
    faults.times = 1;
    sim_.SetFaults(command, faults);
  }

  // "User account info", and the user name the window shows once its worker has read the
  // account; empty when there is no single account window or it does not finish.
  QString AccountWindowUserName() const {
    Frame().Command(kCmdUserAccountInfo).trigger();
    const QList<AccountWindow*> windows = Frame().findChildren<AccountWindow*>();
    if (windows.size() != 1 || !RunUntil([&] { return !windows[0]->IsBusy(); })) return {};
    return windows[0]->InfoPage().UserName().text();
  }

  QString TranslationText() const { return Frame().TranslationPane().toPlainText(); }
  QString StatusText() const { return Frame().Status().Text(); }

  sim::ServiceSimulator sim_{{}};
  std::unique_ptr<CKivaroApp> app_;
};

}  // namespace vorla::test

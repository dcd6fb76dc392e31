#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <thread>

#include "common/RefPtr.h"
#include "service/CAccountInfo.h"
#include "service/HttpConnFactory.h"

class QCloseEvent;
class QLabel;
class QStackedWidget;

namespace vorla {

class AccountInfoPage;
class PasswordPage;
class TranslatorState;

// The "User Account Information" window: the info page, read from the service by a worker
// when the window opens (logging in first when needed), and the password page. Only one is
// open at a time. Closing it while a worker runs hides it and cancels the worker's exchange;
// the worker's result is then dropped and the window goes once the worker has ended. A window
// destroyed with its owner waits for its worker, so the program sets the closing flag first (a
// worker waiting for a login question is then released).
class AccountWindow : public QWidget {
  Q_OBJECT

 public:
  // Opens the window over the main window, or brings the open one forward. The state
  // outlives the window.
  static AccountWindow* Open(QWidget* mainWindow, TranslatorState& state,
                             std::shared_ptr<HttpConnFactory> connections);

  // Whether a worker runs for the window.
  bool IsBusy() const { return busy_; }

  AccountInfoPage& InfoPage() const { return *infoPage_; }
  PasswordPage& PasswordPageWidget() const { return *passwordPage_; }
  QStackedWidget& Pages() const { return *pages_; }
  QLabel& StatusLine() const { return *statusLine_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  AccountWindow(QWidget* mainWindow, TranslatorState& state,
                std::shared_ptr<HttpConnFactory> connections);
  // Runs the work on the window's worker; `done` then runs on the window thread unless the
  // window was closed meanwhile.
  void RunWorker(std::function<std::function<void()>()> work);
  void AccountLoaded(const CAccountInfo::Outcome& outcome);
  void ChangePassword();
  void PasswordChanged(const CAccountInfo::PasswordOutcome& outcome);

  TranslatorState& state_;
  QLabel* statusLine_;
  QStackedWidget* pages_;
  AccountInfoPage* infoPage_;
  PasswordPage* passwordPage_;
  RefPtr<CAccountInfo> account_;
  bool busy_ = false;
  bool closed_ = false;
  // Last: joined before anything the worker reports to goes.
  std::jthread worker_;
};

}  // namespace vorla

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "DialogDriver.h"
#include "RecordingMessageBox.h"
#include "service/CMD5Checksum.h"
#include "service/LoginFixture.h"
#include "ui/dialogs/AccountInfoPage.h"
#include "ui/dialogs/AccountWindow.h"
#include "ui/dialogs/PasswordPage.h"

namespace vorla {
namespace {

struct AccountWindowFixture : test::LoginFixture {
  AccountWindowFixture()
      : LoginFixture({{"UsrInf1", "demo"},
                      {"UsrInf2", CMD5Checksum::HexDigest("demo")},
                      {"defuilan", "0"}}) {
    config_->SetMessageBox(messages);
  }

  // The window once its worker has read the account.
  AccountWindow* OpenAndLoad() {
    AccountWindow* window = AccountWindow::Open(&mainWindow, *state_, connections_);
    EXPECT_TRUE(QTest::qWaitFor([window] { return !window->IsBusy(); }, 20000));
    return window;
  }

  void TypePasswords(AccountWindow& window, const QString& current, const QString& newPassword,
                     const QString& confirmation) {
    PasswordPage& page = window.PasswordPageWidget();
    page.Current().setText(current);
    page.NewPassword().setText(newPassword);
    page.Confirmation().setText(confirmation);
    page.ChangeButton().click();
  }

  // The next request of the command is answered only after a minute.
  void StallNext(const std::string& command) {
    sim::Faults faults;
    faults.stallBefore = std::chrono::seconds(60);
    faults.times = 1;
    sim_.SetFaults(command, faults);
  }

  // Closes the window once its request has reached the service; whether the window then goes
  // well before the service answers.
  bool ClosedDuringTheRequestItGoesAtOnce(AccountWindow* window, std::string_view command) {
    const QPointer<AccountWindow> closed = window;
    if (!QTest::qWaitFor([&] { return !Requests(command).empty(); }, 20000)) return false;
    window->close();
    return QTest::qWaitFor([&closed] { return closed.isNull(); }, 10000);
  }

  QWidget mainWindow;
  std::shared_ptr<test::RecordingMessageBox> messages =
      std::make_shared<test::RecordingMessageBox>();
};

TEST(AccountWindow, ReadsTheAccountOfTheUser) {
  AccountWindowFixture f;
  AccountWindow* window = f.OpenAndLoad();
  EXPECT_EQ(window->windowTitle(), "User Account Information");
  EXPECT_EQ(AccountWindow::Open(&f.mainWindow, *f.state_, f.connections_), window);
  const AccountInfoPage& info = window->InfoPage();
  EXPECT_EQ(info.UserName().text(), "demo");
  EXPECT_EQ(info.Name().text(), "Demo User");
  EXPECT_EQ(info.Company().text(), "Vorla Systems");
  EXPECT_EQ(info.Pairs().text(), "Finnish-English-Finnish, English -> Swedish");
  EXPECT_TRUE(info.ChangePasswordButton().isEnabled());
  EXPECT_EQ(window->StatusLine().text(), "");
  EXPECT_EQ(f.Requests("getaccountinfo").size(), 1u);
  EXPECT_EQ(window->PasswordPageWidget().UserName().text(), "demo");
}

TEST(AccountWindow, AFailedReadIsReportedInTheStatusLine) {
  AccountWindowFixture f;
  sim::Faults faults;
  faults.rawAnswer = sim::Int32s({0, 3}) + "x\x01y";
  f.sim_.SetFaults("getaccountinfo", faults);
  AccountWindow* window = f.OpenAndLoad();
  EXPECT_EQ(window->StatusLine().text(), "Reading account info from the server failed.");
  EXPECT_FALSE(window->InfoPage().ChangePasswordButton().isEnabled());
}

TEST(AccountWindow, PasswordChecksWarnBeforeAnythingIsSent) {
  AccountWindowFixture f;
  AccountWindow* window = f.OpenAndLoad();
  window->InfoPage().ChangePasswordButton().click();
  EXPECT_EQ(window->Pages().currentWidget(), &window->PasswordPageWidget());
  const struct {
    QString current, newPassword, confirmation;
    std::string reason;  // empty: nothing happens
  } cases[] = {
      {"", "", "", ""},
      {"demo", "abc", "abc",
       "The new password is too short. It must contain at least 6 characters."},
      {"demo", "aaaaaa", "aaaaaa", "New password not accepted. Please choose another password."},
      // A character Windows-1252 cannot hold would change into another password.
      {"demo", "pass\u4e00word", "pass\u4e00word",
       "New password not accepted. Please choose another password."},
      {"demo", "abcdef", "abcdeg", "Confirm password incorrect."},
      {"wrong", "abcdef", "abcdef", "Current password incorrect."},
  };
  for (const auto& c : cases) {
    f.messages->shown.clear();
    f.TypePasswords(*window, c.current, c.newPassword, c.confirmation);
    if (c.reason.empty()) {
      EXPECT_TRUE(f.messages->shown.empty());
      continue;
    }
    ASSERT_EQ(f.messages->shown.size(), 1u) << c.reason;
    EXPECT_EQ(f.messages->shown[0].text, "Failed to change your password!\r\n\r\n" + c.reason);
    EXPECT_EQ(f.messages->shown[0].icon, MessageIcon::Warning);
  }
  EXPECT_FALSE(window->IsBusy());
  EXPECT_TRUE(f.Requests("updateaccountinfo").empty());
}

TEST(AccountWindow, ASuccessfulChangeMakesTheNewPasswordTheOneInUse) {
  AccountWindowFixture f;
  AccountWindow* window = f.OpenAndLoad();
  window->InfoPage().ChangePasswordButton().click();
  f.TypePasswords(*window, "demo", "newpass1", "newpass1");
  ASSERT_TRUE(QTest::qWaitFor([window] { return !window->IsBusy(); }, 20000));
  ASSERT_EQ(f.messages->shown.size(), 1u);
  EXPECT_EQ(f.messages->shown[0].text, "Password changed successfully!");
  EXPECT_EQ(f.messages->shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(window->Pages().currentWidget(), &window->InfoPage());
  EXPECT_EQ(window->PasswordPageWidget().NewPassword().text(), "");

  EXPECT_EQ(f.Stored("UsrInf2"), CMD5Checksum::HexDigest("newpass1"));
  EXPECT_EQ(f.Stored("UsrInf6"), "8");
  EXPECT_FALSE(f.state_->IsLoggedIn());
  // The service took it: the next login with the stored digest succeeds.
  EXPECT_EQ(f.LogIn(1), 0);
}

TEST(AccountWindow, ClosedWhileItsWorkerRunsItGoesOnceTheWorkerEnds) {
  AccountWindowFixture f;
  sim::Faults faults;
  faults.stallBefore = std::chrono::milliseconds(300);
  f.sim_.SetFaults("getaccountinfo", faults);
  const QPointer<AccountWindow> window =
      AccountWindow::Open(&f.mainWindow, *f.state_, f.connections_);
  window->close();
  EXPECT_TRUE(window->isHidden());
  EXPECT_TRUE(window->IsBusy());
  // The next command opens a new window.
  AccountWindow* next = AccountWindow::Open(&f.mainWindow, *f.state_, f.connections_);
  EXPECT_NE(next, window.data());
  EXPECT_TRUE(QTest::qWaitFor([&window] { return window.isNull(); }, 20000));
  EXPECT_TRUE(QTest::qWaitFor([next] { return !next->IsBusy(); }, 20000));
  EXPECT_EQ(next->InfoPage().UserName().text(), "demo");
}

TEST(AccountWindow, ClosingItCancelsTheAccountRequest) {
  AccountWindowFixture f;
  f.StallNext("getaccountinfo");
  AccountWindow* window = AccountWindow::Open(&f.mainWindow, *f.state_, f.connections_);
  EXPECT_TRUE(f.ClosedDuringTheRequestItGoesAtOnce(window, "getaccountinfo"));
}

TEST(AccountWindow, ClosingItCancelsThePasswordChange) {
  AccountWindowFixture f;
  AccountWindow* window = f.OpenAndLoad();
  window->InfoPage().ChangePasswordButton().click();
  f.StallNext("updateaccountinfo");
  f.TypePasswords(*window, "demo", "newpass1", "newpass1");
  EXPECT_TRUE(f.ClosedDuringTheRequestItGoesAtOnce(window, "updateaccountinfo"));
  // The client keeps the digest it had, and says nothing; the service may have applied the
  // change before the request was cancelled.
  EXPECT_EQ(f.Stored("UsrInf2"), CMD5Checksum::HexDigest("demo"));
  EXPECT_TRUE(f.messages->shown.empty());
}

}  // namespace
}  // namespace vorla

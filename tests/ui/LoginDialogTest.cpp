#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "DialogDriver.h"
#include "service/CMD5Checksum.h"
#include "service/LoginFixture.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/LoginDialog.h"
#include "ui/dialogs/QtLoginPrompt.h"

namespace vorla {
namespace {

using test::OnModal;

QStringList LinkTargets(const QLabel& label) {
  QStringList targets;
  static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
  for (const QRegularExpressionMatch& match : href.globalMatch(label.text()))
    targets << match.captured(1);
  return targets;
}

TEST(LoginDialog, OffersTheStoredPasswordAsItsPlaceholder) {
  LoginDialogParameters parameters;
  parameters.userName = "k\xe4ytt\xe4j\xe4";  // Windows-1252
  parameters.password = PasswordPlaceholder(4);
  parameters.useStoredDigest = true;
  parameters.remember = false;
  LoginDialog dialog(nullptr, UiLanguage::English, parameters, [](int) {});
  EXPECT_EQ(dialog.windowTitle(), "Log In - Vorla Tool");
  EXPECT_EQ(dialog.UserNameEdit().text(), "käyttäjä");
  EXPECT_EQ(dialog.PasswordEdit().text(), "XXXX");
  EXPECT_EQ(dialog.PasswordEdit().echoMode(), QLineEdit::Password);
  EXPECT_FALSE(dialog.RememberBox().isChecked());
  EXPECT_EQ(dialog.Prompt().text(), "Enter your username and password:");
  EXPECT_TRUE(dialog.Prompt().font().bold());

  // What the user leaves or types goes back as it stands, in Windows-1252.
  dialog.RememberBox().setChecked(true);
  dialog.UserNameEdit().setText("Äiti");
  LoginDialogParameters answered;
  dialog.TakeAnswers(answered);
  EXPECT_EQ(answered.userName, "\xc4iti");
  EXPECT_EQ(answered.password, "XXXX");
  EXPECT_TRUE(answered.remember);
}

TEST(LoginDialog, PromptAndLabelsInBothLanguages) {
  const struct {
    UiLanguage language;
    std::optional<int> lastResult;
    QString title;
    QString prompt;
    QString logIn;
  } cases[] = {
      {UiLanguage::Finnish, std::nullopt, "Sisäänkirjautuminen - Vorla Tool",
       "Anna käyttäjätunnus ja salasana:", "Kirjaudu"},
      {UiLanguage::English, 9, "Log In - Vorla Tool",
       "Login failed - cannot connect to the translation server. Please check your network "
       "connection and try again.",
       "Log in"},
      {UiLanguage::Finnish, 3, "Sisäänkirjautuminen - Vorla Tool",
       "Sisäänkirjautuminen epäonnistui - väärä tunnus tai salasana", "Kirjaudu"},
      {UiLanguage::English, 77, "Log In - Vorla Tool", "Login failed", "Log in"},
  };
  for (const auto& c : cases) {
    LoginDialogParameters parameters;
    parameters.lastResult = c.lastResult;
    LoginDialog dialog(nullptr, c.language, parameters, [](int) {});
    EXPECT_EQ(dialog.windowTitle(), c.title);
    EXPECT_EQ(dialog.Prompt().text(), c.prompt);
    EXPECT_EQ(dialog.LogInButton().text(), c.logIn);
  }
}

TEST(LoginDialog, Placement) {
  const QRect mainWindow(300, 200, 800, 600);
  const struct {
    std::optional<QRect> parent;
    bool isMainWindow;
    QPoint at;
  } cases[] = {
      {mainWindow, true, {500, 300}},                // centred, 100 below the top
      {QRect(-400, -90, 500, 400), true, {50, 50}},  // never left of 50 or above 50
      {QRect(300, 200, 500, 400), false, {380, 250}},
      {QRect(-10, -40, 500, 400), false, {80, 50}},  // never left of 80 beside a window
      {std::nullopt, false, {100, 100}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LoginDialogPosition(c.parent, c.isMainWindow, 400), c.at) << c.at.x();
}

struct QtLoginFixture : test::LoginFixture {
  explicit QtLoginFixture(
      std::initializer_list<std::pair<std::string_view, std::string_view>> stored = {})
      : LoginFixture(stored) {
    config_->SetUiLanguage(UiLanguage::English);
    prompt = std::make_shared<QtLoginPrompt>(questions, config_, *state_, opener);
    state_->SetLoginHooks({connections_, prompt, statusBar_, observer_.get(), sets_});
  }

  test::WorkerCall<int> LogInFromWorker() {
    return test::WorkerCall<int>([this] {
      TranslatorState::LoginOptions options;
      options.forceDialog = true;
      return state_->Login(options);
    });
  }

  std::shared_ptr<WindowThreadQuestions> questions = std::make_shared<WindowThreadQuestions>();
  std::shared_ptr<test::RecordingOpener> opener = std::make_shared<test::RecordingOpener>();
  std::shared_ptr<QtLoginPrompt> prompt;
};

void Answer(LoginDialog& dialog, const QString& userName, const QString& password) {
  dialog.UserNameEdit().setText(userName);
  dialog.PasswordEdit().setText(password);
  dialog.LogInButton().click();
}

TEST(QtLoginPrompt, AWorkersLoginAsksAgainWithTheReasonUntilItSucceeds) {
  QtLoginFixture f;
  QString secondPrompt;
  OnModal<LoginDialog>([&](LoginDialog& first) {
    Answer(first, "demo", "wrong");
    OnModal<LoginDialog>([&](LoginDialog& second) {
      secondPrompt = second.Prompt().text();
      Answer(second, "demo", "demo");
    });
  });
  auto login = f.LogInFromWorker();
  ASSERT_TRUE(login.WaitWithEvents());
  EXPECT_EQ(login.Result(), 0);
  EXPECT_EQ(secondPrompt, "Login failed - invalid username or password");
  EXPECT_EQ(f.Stored("UsrInf1"), "demo");
  EXPECT_EQ(f.Stored("UsrInf2"), CMD5Checksum::HexDigest("demo"));
  EXPECT_EQ(f.Stored("UsrInf6"), "4");
}

TEST(QtLoginPrompt, CancelledWithRememberOffForgetsTheStoredName) {
  const std::string digest = CMD5Checksum::HexDigest("demo");
  QtLoginFixture f({{"UsrInf1", "demo"}, {"UsrInf2", digest}, {"UsrInf6", "4"}});
  OnModal<LoginDialog>([](LoginDialog& dialog) {
    EXPECT_EQ(dialog.PasswordEdit().text(), "XXXX");
    EXPECT_EQ(dialog.UserNameEdit().text(), "demo");
    dialog.RememberBox().setChecked(false);
    dialog.reject();
  });
  auto login = f.LogInFromWorker();
  ASSERT_TRUE(login.WaitWithEvents());
  EXPECT_EQ(login.Result(), 11);
  EXPECT_EQ(f.Stored("UsrInf1"), "");
  EXPECT_EQ(f.Stored("UsrInf2"), "");
  EXPECT_EQ(f.Stored("UsrInf5"), "false");
}

TEST(QtLoginPrompt, TheLinksOpenThePasswordAndSupportPages) {
  QtLoginFixture f;
  OnModal<LoginDialog>([](LoginDialog& dialog) {
    const QStringList targets = LinkTargets(dialog.Links());
    ASSERT_EQ(targets.size(), 2);
    EXPECT_TRUE(dialog.Links().text().contains("• Forgot your password?"));
    EXPECT_TRUE(dialog.Links().text().contains("• Contact us"));
    for (const QString& target : targets)
      emit dialog.Links().linkActivated(target);
    dialog.reject();
  });
  auto login = f.LogInFromWorker();
  ASSERT_TRUE(login.WaitWithEvents());
  EXPECT_EQ(f.opener->opened,
            (std::vector<std::string>{
                "https://service.vorla.example/tr?cmd=redir&page=2&uil=0&pid=4&l=1",
                "https://service.vorla.example/tr?cmd=redir&page=9&uil=0&pid=4&l=1"}));
}

}  // namespace
}  // namespace vorla

namespace vorla {
namespace {

TEST(QtLoginPrompt, AClientTooOldToLogInOffersItsUpdateBesideTheDialog) {
  QtLoginFixture f;
  f.sim_.context().minimumVersion = "3.2";
  std::vector<QWidget*> offeredBeside;
  f.prompt->SetClientTooOldHandler([&](QWidget* dialog) { offeredBeside.push_back(dialog); });
  QWidget* second = nullptr;
  OnModal<LoginDialog>([&](LoginDialog& first) {
    Answer(first, "demo", "demo");
    OnModal<LoginDialog>([&](LoginDialog& again) {
      second = &again;
      EXPECT_EQ(again.Prompt().text(),
                "Login failed - the client program must be updated to a new version");
      QTest::qWait(50);
      again.reject();
    });
  });
  auto login = f.LogInFromWorker();
  ASSERT_TRUE(login.WaitWithEvents());
  EXPECT_EQ(login.Result(), 15);
  ASSERT_EQ(offeredBeside.size(), 1u);
  EXPECT_EQ(offeredBeside[0], second);
}

}  // namespace
}  // namespace vorla

#include "ui/dialogs/AccountWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "common/Windows1252.h"
#include "service/PasswordChange.h"
#include "translation/TranslatorState.h"
#include "ui/UiText.h"
#include "ui/dialogs/AccountInfoPage.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/PasswordPage.h"
#include "ui/dialogs/QtLoginPrompt.h"
#include "ui/dialogs/QueuedStatusLine.h"

namespace vorla {

namespace {

constexpr BilingualText kTitle{"User Account Information", "Käyttäjätilin tiedot"};
constexpr int kWindowWidth = 460;

QPointer<AccountWindow>& OpenWindow() {
  static QPointer<AccountWindow> window;
  return window;
}

std::string FieldText(const QLineEdit& edit) {
  return Utf8ToCp1252(edit.text().toStdString());
}

}  // namespace

AccountWindow* AccountWindow::Open(QWidget* mainWindow, TranslatorState& state,
                                   std::shared_ptr<HttpConnFactory> connections) {
  QPointer<AccountWindow>& window = OpenWindow();
  if (!window) {
    window = new AccountWindow(mainWindow, state, std::move(connections));
    window->adjustSize();
    PlaceCentredOver(*window, mainWindow);
  }
  ShowInFront(*window);
  return window;
}

AccountWindow::AccountWindow(QWidget* mainWindow, TranslatorState& state,
                             std::shared_ptr<HttpConnFactory> connections)
    : QWidget(mainWindow, Qt::Window), state_(state) {
  const UiLanguage language = state.GetConfig().GetUiLanguage();
  setWindowTitle(UiText(kTitle, language));
  setMinimumWidth(kWindowWidth);

  statusLine_ = WrappingLabel({});
  infoPage_ = new AccountInfoPage(language);
  passwordPage_ = new PasswordPage(language);
  pages_ = new QStackedWidget;
  pages_->addWidget(infoPage_);
  pages_->addWidget(passwordPage_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addWidget(statusLine_);

  connect(&infoPage_->ChangePasswordButton(), &QPushButton::clicked, this,
          [this] { pages_->setCurrentWidget(passwordPage_); });
  connect(&infoPage_->CloseButton(), &QPushButton::clicked, this, &QWidget::close);
  connect(&passwordPage_->ChangeButton(), &QPushButton::clicked, this,
          &AccountWindow::ChangePassword);
  connect(&passwordPage_->CancelButton(), &QPushButton::clicked, this, [this] {
    passwordPage_->Clear();
    pages_->setCurrentWidget(infoPage_);
  });

  account_ = MakeRef<CAccountInfo>(state, std::move(connections),
                                   std::make_shared<QueuedStatusLine>(*statusLine_));
  RunWorker([this, account = account_] {
    const CAccountInfo::Outcome outcome = account->LoadAccount();
    return std::function<void()>([this, outcome] { AccountLoaded(outcome); });
  });
}

void AccountWindow::closeEvent(QCloseEvent* event) {
  account_->Close();
  closed_ = true;
  // The next command opens a new window, even while this one waits for its worker.
  if (OpenWindow() == this) OpenWindow() = nullptr;
  event->accept();
  if (!busy_) deleteLater();
}

void AccountWindow::RunWorker(std::function<std::function<void()>()> work) {
  // The worker before has already reported its end.
  if (worker_.joinable()) worker_.join();
  busy_ = true;
  worker_ = std::jthread([this, work = std::move(work), parent = QPointer<QWidget>(this)] {
    const LoginParentScope loginParent(parent);
    std::function<void()> done = work();
    QMetaObject::invokeMethod(
        this,
        [this, done = std::move(done)] {
          busy_ = false;
          if (closed_) {
            deleteLater();
          } else {
            done();
          }
        },
        Qt::QueuedConnection);
  });
}

void AccountWindow::AccountLoaded(const CAccountInfo::Outcome& outcome) {
  const std::optional<AccountInfo>& account = account_->Account();
  if (outcome.result != 0 || !account) {
    statusLine_->setText(Utf8Text(outcome.message));
    return;
  }
  infoPage_->Fill(*account, state_.GetAvailablePairs());
  passwordPage_->SetUserName(account->userName);
  statusLine_->clear();
}

void AccountWindow::ChangePassword() {
  const std::string current = FieldText(passwordPage_->Current());
  const std::string newPassword = FieldText(passwordPage_->NewPassword());
  const std::string confirmation = FieldText(passwordPage_->Confirmation());
  PasswordCheck check = CheckPasswordChange(current, newPassword, confirmation,
                                            state_.GetStoredDigest().value_or(""));
  // A character Windows-1252 cannot hold would be sent as "?", setting a password other
  // than the one typed.
  const bool representable =
      Utf8ToCp1252Strict(passwordPage_->NewPassword().text().toStdString()).has_value();
  if (!representable && check != PasswordCheck::Nothing && check != PasswordCheck::TooShort) {
    check = PasswordCheck::NotAccepted;
  }
  if (check == PasswordCheck::Nothing) return;
  Config& config = state_.GetConfig();
  if (check != PasswordCheck::Passed) {
    config.ShowMessage(PasswordCheckMessage(check, config.GetUiLanguage()).value_or(""), {},
                       {MessageButtons::Ok, MessageIcon::Warning});
    return;
  }
  passwordPage_->ChangeButton().setEnabled(false);
  RunWorker([this, account = account_, current, newPassword, confirmation] {
    const CAccountInfo::PasswordOutcome outcome =
        account->ChangePassword(current, newPassword, confirmation);
    return std::function<void()>([this, outcome] { PasswordChanged(outcome); });
  });
}

void AccountWindow::PasswordChanged(const CAccountInfo::PasswordOutcome& outcome) {
  passwordPage_->ChangeButton().setEnabled(true);
  const bool changed = outcome.check == PasswordCheck::Passed && outcome.status == 0;
  state_.GetConfig().ShowMessage(
      outcome.message, {},
      {MessageButtons::Ok, changed ? MessageIcon::Information : MessageIcon::Warning});
  if (!changed) return;
  passwordPage_->Clear();
  pages_->setCurrentWidget(infoPage_);
}

}  // namespace vorla

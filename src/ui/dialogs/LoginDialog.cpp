#include "ui/dialogs/LoginDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Windows1252.h"
#include "config/Config.h"
#include "service/LoginTexts.h"
#include "service/RedirectLinks.h"
#include "ui/UiText.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogTexts.h"

namespace vorla {

namespace {

// The fields hold 64 bytes with their terminating zero.
constexpr int kLongestField = 63;
constexpr int kDialogWidth = 400;

constexpr BilingualText kTitle{"Log In - @1", "Sisäänkirjautuminen - @1"};
constexpr BilingualText kPassword{"Password:", "Salasana:"};
constexpr BilingualText kRemember{"Remember me", "Muista minut"};
constexpr BilingualText kLogIn{"Log in", "Kirjaudu"};
constexpr BilingualText kForgotPassword{"• Forgot your password?", "• Unohditko salasanan?"};
constexpr BilingualText kContactUs{"• Contact us", "• Ota yhteyttä"};

QLineEdit* FieldEdit(const std::string& cp1252) {
  auto* edit = new QLineEdit(Utf8Text(Cp1252ToUtf8(cp1252)));
  edit->setMaxLength(kLongestField);
  return edit;
}

}  // namespace

LoginDialog::LoginDialog(QWidget* parent, UiLanguage language,
                         const LoginDialogParameters& parameters,
                         std::function<void(int page)> openPage)
    : QDialog(parent) {
  setWindowTitle(Utf8Text(FormatMessage(kTitle, language, Config::kProductName)));
  setMinimumWidth(kDialogWidth);

  prompt_ = HeadingLabel(UiText(LoginPromptText(parameters.lastResult), language));
  userName_ = FieldEdit(parameters.userName);
  password_ = FieldEdit(parameters.password);
  password_->setEchoMode(QLineEdit::Password);
  remember_ = new QCheckBox(UiText(kRemember, language));
  remember_->setChecked(parameters.remember);

  links_ =
      LinkLabel({{UiText(kForgotPassword, language), QString::number(kPagePassword)},
                 {QStringLiteral("\n"), {}},
                 {UiText(kContactUs, language), QString::number(kPageSupport)}},
                [openPage = std::move(openPage)](const QString& page) { openPage(page.toInt()); });

  auto* buttons = new QDialogButtonBox;
  logIn_ = buttons->addButton(UiText(kLogIn, language), QDialogButtonBox::AcceptRole);
  logIn_->setDefault(true);
  buttons->addButton(UiText(kCancelText, language), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* fields = new QFormLayout;
  fields->addRow(UiText(kUserNameLabel, language), userName_);
  fields->addRow(UiText(kPassword, language), password_);
  fields->addRow(QString(), remember_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addLayout(fields);
  layout->addWidget(links_);
  layout->addWidget(buttons);
  userName_->setFocus();
}

void LoginDialog::TakeAnswers(LoginDialogParameters& parameters) const {
  parameters.userName = Utf8ToCp1252(userName_->text().toStdString());
  parameters.password = Utf8ToCp1252(password_->text().toStdString());
  parameters.remember = remember_->isChecked();
}

}  // namespace vorla

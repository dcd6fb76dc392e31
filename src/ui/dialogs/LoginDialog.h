#pragma once

#include <QDialog>
#include <functional>

#include "common/UiLanguage.h"
#include "translation/LoginPrompt.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vorla {

// The "Log In" dialog: the prompt (the reason the last attempt failed after the first), the
// user name, the password (the "X" placeholder while the stored digest is offered), "Remember
// me", "Log in" and "Cancel", and the links to a forgotten password and to the support.
class LoginDialog : public QDialog {
  Q_OBJECT

 public:
  // openPage opens a redirect page of the login links (2 or 9). Texts of the parameters
  // are Windows-1252.
  LoginDialog(QWidget* parent, UiLanguage language, const LoginDialogParameters& parameters,
              std::function<void(int page)> openPage);

  // The name, the password field as it stands and the remember flag, Windows-1252. The
  // caller tells the placeholder from a typed password.
  void TakeAnswers(LoginDialogParameters& parameters) const;

  QLabel& Prompt() const { return *prompt_; }
  QLineEdit& UserNameEdit() const { return *userName_; }
  QLineEdit& PasswordEdit() const { return *password_; }
  QCheckBox& RememberBox() const { return *remember_; }
  QPushButton& LogInButton() const { return *logIn_; }
  QLabel& Links() const { return *links_; }

 private:
  QLabel* prompt_;
  QLineEdit* userName_;
  QLineEdit* password_;
  QCheckBox* remember_;
  QPushButton* logIn_;
  QLabel* links_;
};

}  // namespace vorla

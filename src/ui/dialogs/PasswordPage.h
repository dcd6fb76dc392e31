#pragma once

#include <QWidget>
#include <string_view>

#include "common/UiLanguage.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorla {

// The password page of the account window: the current password, the new one twice, the
// note that it applies to every service, "Change password" and "Cancel".
class PasswordPage : public QWidget {
  Q_OBJECT

 public:
  explicit PasswordPage(UiLanguage language);

  // The user name shown (Windows-1252).
  void SetUserName(std::string_view userName);
  // Empties the three password fields.
  void Clear();

  QLabel& UserName() const { return *userName_; }
  QLineEdit& Current() const { return *current_; }
  QLineEdit& NewPassword() const { return *new_; }
  QLineEdit& Confirmation() const { return *confirmation_; }
  QPushButton& ChangeButton() const { return *change_; }
  QPushButton& CancelButton() const { return *cancel_; }

 private:
  QLabel* userName_;
  QLineEdit* current_;
  QLineEdit* new_;
  QLineEdit* confirmation_;
  QPushButton* change_;
  QPushButton* cancel_;
};

}  // namespace vorla

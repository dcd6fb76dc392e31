#pragma once

#include <QWidget>

#include "common/UiLanguage.h"
#include "service/AccountInfo.h"

class QLabel;
class QPushButton;

namespace vorla {

// The info page of the account window: who the user is and which pairs the account has,
// "Change password" (enabled once the account was read) and "Close".
class AccountInfoPage : public QWidget {
  Q_OBJECT

 public:
  explicit AccountInfoPage(UiLanguage language);

  // Fills the fields from the account (Windows-1252 texts) and enables "Change password".
  void Fill(const AccountInfo& account, int pairBits);

  QLabel& UserName() const { return *userName_; }
  QLabel& Name() const { return *name_; }
  QLabel& Company() const { return *company_; }
  QLabel& Pairs() const { return *pairs_; }
  QPushButton& ChangePasswordButton() const { return *changePassword_; }
  QPushButton& CloseButton() const { return *close_; }

 private:
  UiLanguage language_;
  QLabel* userName_;
  QLabel* name_;
  QLabel* company_;
  QLabel* pairs_;
  QPushButton* changePassword_;
  QPushButton* close_;
};

}  // namespace vorla

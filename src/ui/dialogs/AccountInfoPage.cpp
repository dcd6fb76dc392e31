#include "ui/dialogs/AccountInfoPage.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Windows1252.h"
#include "translation/LanguageNames.h"
#include "ui/UiText.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogTexts.h"

namespace vorla {

namespace {

constexpr BilingualText kHeading{"User Information", "Käyttäjän tiedot"};
constexpr BilingualText kName{"Name:", "Nimi:"};
constexpr BilingualText kCompany{"Company:", "Yritys:"};
constexpr BilingualText kPairs{"Language pairs:", "Kieliparit:"};

QString FromCp1252(std::string_view text) {
  return Utf8Text(Cp1252ToUtf8(text));
}

}  // namespace

AccountInfoPage::AccountInfoPage(UiLanguage language) : language_(language) {
  userName_ = WrappingLabel({});
  name_ = WrappingLabel({});
  company_ = WrappingLabel({});
  pairs_ = WrappingLabel({});
  auto* fields = new QFormLayout;
  fields->addRow(UiText(kUserNameLabel, language), userName_);
  fields->addRow(UiText(kName, language), name_);
  fields->addRow(UiText(kCompany, language), company_);
  fields->addRow(UiText(kPairs, language), pairs_);

  auto* buttons = new QDialogButtonBox;
  changePassword_ =
      buttons->addButton(UiText(kChangePasswordText, language), QDialogButtonBox::ActionRole);
  changePassword_->setEnabled(false);
  close_ = buttons->addButton(UiText(kCloseText, language), QDialogButtonBox::RejectRole);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(HeadingLabel(UiText(kHeading, language)));
  layout->addLayout(fields);
  layout->addStretch();
  layout->addWidget(buttons);
}

void AccountInfoPage::Fill(const AccountInfo& account, int pairBits) {
  userName_->setText(FromCp1252(account.userName));
  name_->setText(FromCp1252(account.firstName + " " + account.lastName));
  company_->setText(account.company.empty() ? QStringLiteral("-") : FromCp1252(account.company));
  pairs_->setText(Utf8Text(AvailablePairsText(pairBits, language_)));
  changePassword_->setEnabled(true);
}

}  // namespace vorla

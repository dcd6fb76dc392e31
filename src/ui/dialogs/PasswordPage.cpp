#include "ui/dialogs/PasswordPage.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Windows1252.h"
#include "ui/UiText.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogTexts.h"

namespace vorla {

namespace {

// The fields take 64 characters, one more than a new password may have.
constexpr int kFieldLength = 64;

constexpr BilingualText kHeading{"Change Password", "Salasanan vaihto"};
constexpr BilingualText kCurrent{"Current password:", "Nykyinen salasana:"};
constexpr BilingualText kNew{"New password:", "Uusi salasana:"};
constexpr BilingualText kConfirm{"Confirm password:", "Vahvista salasana:"};
constexpr BilingualText kNote{
    "Note! If you change your password, the new password applies to all Vorla translation "
    "services.",
    "Huom! Jos vaihdat salasanasi, muutos vaikuttaa kaikkiin Vorla-käännöspalveluihin, joita "
    "käytät tällä käyttäjätunnuksella."};

QLineEdit* PasswordEdit() {
  auto* edit = new QLineEdit;
  edit->setEchoMode(QLineEdit::Password);
  edit->setMaxLength(kFieldLength);
  return edit;
}

}  // namespace

PasswordPage::PasswordPage(UiLanguage language) {
  userName_ = WrappingLabel({});
  current_ = PasswordEdit();
  new_ = PasswordEdit();
  confirmation_ = PasswordEdit();
  auto* fields = new QFormLayout;
  fields->addRow(UiText(kUserNameLabel, language), userName_);
  fields->addRow(UiText(kCurrent, language), current_);
  fields->addRow(UiText(kNew, language), new_);
  fields->addRow(UiText(kConfirm, language), confirmation_);

  auto* buttons = new QDialogButtonBox;
  change_ = buttons->addButton(UiText(kChangePasswordText, language), QDialogButtonBox::ActionRole);
  change_->setDefault(true);
  cancel_ = buttons->addButton(UiText(kCancelText, language), QDialogButtonBox::RejectRole);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(HeadingLabel(UiText(kHeading, language)));
  layout->addLayout(fields);
  layout->addWidget(WrappingLabel(UiText(kNote, language)));
  layout->addStretch();
  layout->addWidget(buttons);
}

void PasswordPage::SetUserName(std::string_view userName) {
  userName_->setText(Utf8Text(Cp1252ToUtf8(userName)));
}

void PasswordPage::Clear() {
  for (QLineEdit* edit : {current_, new_, confirmation_})
    edit->clear();
}

}  // namespace vorla

#include "ui/dialogs/TranslationInfoDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/UiText.h"
#include "ui/dialogs/DialogParts.h"

namespace vorla {

namespace {

constexpr int kDialogWidth = 420;

}  // namespace

TranslationInfoDialog::TranslationInfoDialog(QWidget* owner, UiLanguage language,
                                             const TranslationInfo& info, bool askConfirmation)
    : QDialog(owner), balanceSuffices_(info.balanceSuffices) {
  setWindowTitle(UiText(kTranslationInfoTitle, language));
  setMinimumWidth(kDialogWidth);
  const TranslationInfoLines texts = FormatTranslationInfo(info, language);
  auto* layout = new QVBoxLayout(this);
  std::size_t line = 0;
  for (const std::string* text : {&texts.length, &texts.price, &texts.balance, &texts.note}) {
    lines_[line] = WrappingLabel(Utf8Text(*text));
    layout->addWidget(lines_[line++]);
  }

  dontAsk_ = new QCheckBox(UiText(kDontAskConfirmation, language));
  dontAsk_->setChecked(!askConfirmation);
  dontAsk_->setVisible(balanceSuffices_);
  layout->addWidget(dontAsk_);

  auto* buttons = new QDialogButtonBox;
  translate_ = buttons->addButton(UiText(kTranslateButton, language), QDialogButtonBox::AcceptRole);
  cancel_ = buttons->addButton(UiText(kCancelButton, language), QDialogButtonBox::RejectRole);
  translate_->setDefault(true);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // Without enough balance "Translate" closes like "Cancel".
  connect(buttons, &QDialogButtonBox::accepted, this,
          [this] { balanceSuffices_ ? accept() : reject(); });
  layout->addWidget(buttons);
}

PriceAnswer TranslationInfoDialog::Answer() const {
  return {result() == QDialog::Accepted && balanceSuffices_, !dontAsk_->isChecked()};
}

}  // namespace vorla

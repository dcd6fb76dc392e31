#include "ui/dialogs/QuotaInfoDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "translation/LanguageFamily.h"
#include "translation/LanguagePairs.h"
#include "translation/ResultCodes.h"
#include "translation/TranslationJob.h"
#include "ui/UiText.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/DialogTexts.h"

namespace vorla {

namespace {

constexpr int kDialogWidth = 420;

constexpr BilingualText kTitle{"Translation Quota Info", "Tietoa käännöskiintiöstä"};
constexpr BilingualText kTextLength{"Source text length: @1 characters",
                                    "Käännettävän tekstin pituus: @1 merkkiä"};
constexpr BilingualText kDocumentLength{"Source document length: @1 characters",
                                        "Käännettävän asiakirjan pituus: @1 merkkiä"};
constexpr BilingualText kQuotaLeft{"Your translation quota: @1 characters left",
                                   "Käännöskiintiösi lisäkielille: @1 merkkiä jäljellä"};
constexpr BilingualText kNote{
    "Note! Your translation quota for the additional languages is insufficient for performing "
    "this translation.",
    "Huom! Lisäkielien käännöskiintiösi ei ole riittävä tämän käännöksen suorittamiseen."};

}  // namespace

bool OpensQuotaInfo(const TranslationJob& job, int accountType) {
  return job.error == kResultBalanceInsufficient &&
         (accountType == kAccountFirstList || accountType == kAccountSecondList) &&
         !IsLocalPair(job.srclan, job.tgtlan);
}

QuotaInfoDialog::QuotaInfoDialog(QWidget* owner, UiLanguage language,
                                 const QuotaShortfall& shortfall)
    : QDialog(owner) {
  setWindowTitle(UiText(kTitle, language));
  setMinimumWidth(kDialogWidth);
  auto* layout = new QVBoxLayout(this);
  lines_ = {WrappingLabel(Utf8Text(FormatMessage(shortfall.document ? kDocumentLength : kTextLength,
                                                 language, std::to_string(shortfall.characters)))),
            WrappingLabel(
                Utf8Text(FormatMessage(kQuotaLeft, language, std::to_string(shortfall.quotaLeft)))),
            WrappingLabel(UiText(kNote, language))};
  for (QLabel* line : lines_)
    layout->addWidget(line);
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(UiText(kCloseText, language), QDialogButtonBox::RejectRole)->setDefault(true);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void QuotaInfoDialog::ShowModal(QWidget* owner, UiLanguage language,
                                const QuotaShortfall& shortfall) {
  QuotaInfoDialog dialog(owner, language, shortfall);
  dialog.adjustSize();
  PlaceCentredOver(dialog, owner);
  dialog.exec();
}

}  // namespace vorla

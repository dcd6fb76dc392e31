#include "ui/dialogs/QtPriceConfirmation.h"

#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/TranslationInfoDialog.h"

namespace vorla {

PriceAnswer QtPriceConfirmation::Ask(const TranslationInfo& info, bool askConfirmation) {
  return questions_->Ask<PriceAnswer>(
      [questions = questions_, config = config_, info, askConfirmation] {
        QWidget* owner = questions->MainWindow();
        TranslationInfoDialog dialog(owner, config->GetUiLanguage(), info, askConfirmation);
        dialog.adjustSize();
        PlaceCentredOver(dialog, owner);
        questions->Exec(dialog);
        return dialog.Answer();
      },
      PriceAnswer{false, askConfirmation});
}

}  // namespace vorla

#include "ui/dialogs/QtQuotaNotice.h"

#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/QuotaInfoDialog.h"

namespace vorla {

void QtQuotaNotice::Show(const QuotaShortfall& shortfall) {
  questions_->Ask<bool>(
      [questions = questions_, config = config_, shortfall] {
        QWidget* owner = questions->MainWindow();
        QuotaInfoDialog dialog(owner, config->GetUiLanguage(), shortfall);
        dialog.adjustSize();
        PlaceCentredOver(dialog, owner);
        questions->Exec(dialog);
        return true;
      },
      false);
}

}  // namespace vorla

#include "ui/dialogs/QtQuotaNotice.h"

#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/QuotaInfoDialog.h"

namespace vorla {

void QtQuotaNotice::Show(const QuotaShortfall& shortfall) {
  questions_->Ask<bool>(
      [questions = questions_, config = config_, shortfall, named = QuestionOwnerScope::Current()] {
        QWidget* owner = questions->OwnerOr(named);
        const QPointer<QuotaInfoDialog> dialog =
            new QuotaInfoDialog(owner, config->GetUiLanguage(), shortfall);
        dialog->adjustSize();
        PlaceCentredOver(*dialog, owner);
        questions->Exec(*dialog);
        delete dialog.data();
        return true;
      },
      false);
}

}  // namespace vorla

#include "ui/dialogs/QtLanguageNotice.h"

#include "ui/dialogs/LanguagePairDialog.h"

namespace vorla {

bool QtLanguageNotice::Ask(int accountType) {
  return questions_->Ask<bool>(
      [questions = questions_, &state = state_, pairChanged = pairChanged_, accountType] {
        return LanguagePairDialog::AskNotice(*questions, state, accountType, pairChanged);
      },
      false);
}

}  // namespace vorla

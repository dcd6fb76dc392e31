#pragma once

#include "service/TranslationInfo.h"

namespace vorla {

struct PriceAnswer {
  bool translate = false;  // "Translate" rather than "Cancel"
  // The check box "Don't ask confirmation before translation", unticked.
  bool askConfirmation = true;
};

// The "Translation Info" question before a priced translation: the desktop client's dialog,
// or the terminal. Called on the job's worker thread; it waits for the answer, and answers
// "Cancel" at once while the program is closing. The check box is offered, set from
// askConfirmation, only while the balance suffices.
class PriceConfirmation {
 public:
  virtual ~PriceConfirmation() = default;

  virtual PriceAnswer Ask(const TranslationInfo& info, bool askConfirmation) = 0;
};

}  // namespace vorla

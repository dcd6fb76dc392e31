#pragma once

#include "common/Bilingual.h"

namespace vorla {

// The notice before the first translation with further languages of an account with a
// translation quota for them (account type 3 or 4): the modal form of the "Select Language
// Pair" dialog. Called on the job's worker thread like PriceConfirmation.
class LanguageNotice {
 public:
  virtual ~LanguageNotice() = default;

  // True for "Translate", false for "Cancel".
  virtual bool Ask(int accountType) = 0;
};

// The note of the notice for the account type.
BilingualText LanguageNoticeText(int accountType);

}  // namespace vorla

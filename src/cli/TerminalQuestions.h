#pragma once

#include "common/UiLanguage.h"
#include "translation/LanguageNotice.h"
#include "translation/PriceConfirmation.h"

namespace vorla::cli {

// The questions a job asks before it translates, on the terminal: the lines of the dialog,
// then "Translate" or "Cancel". With --yes the answer is "Translate" without asking;
// without a terminal it is "Cancel".
class TerminalPriceConfirmation final : public PriceConfirmation {
 public:
  TerminalPriceConfirmation(bool yes, UiLanguage language) : yes_(yes), language_(language) {}

  PriceAnswer Ask(const TranslationInfo& info, bool askConfirmation) override;

 private:
  bool yes_;
  UiLanguage language_;
};

class TerminalLanguageNotice final : public LanguageNotice {
 public:
  TerminalLanguageNotice(bool yes, UiLanguage language) : yes_(yes), language_(language) {}

  bool Ask(int accountType) override;

 private:
  bool yes_;
  UiLanguage language_;
};

}  // namespace vorla::cli

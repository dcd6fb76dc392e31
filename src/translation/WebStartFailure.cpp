#include "translation/WebStartFailure.h"

#include "translation/FailureMessage.h"
#include "translation/ResultCodes.h"

namespace vorla {

std::string WebStartFailureText(int code, UiLanguage language) {
  // Every code has a text (those without one of their own have code 1's).
  return std::string(kTranslationFailedHeading.In(language)) + " - " +
         std::string(ResultCodeText(code).In(language)) + ".";
}

}  // namespace vorla

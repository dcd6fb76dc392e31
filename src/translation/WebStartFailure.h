#pragma once

#include <string>

#include "common/UiLanguage.h"

namespace vorla {

// The status of an address that started no job (code 7 or 16): "Translation failed - ",
// the code's text and ".".
std::string WebStartFailureText(int code, UiLanguage language);

}  // namespace vorla

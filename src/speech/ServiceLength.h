#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "common/UiLanguage.h"

namespace vorla {

// What a text longer than the service takes needs before it is sent.
struct ServiceLengthCheck {
  bool refused = false;  // languages 3 to 99 are never sent
  // The Yes/No question: the text is cut, do you want to continue? Nothing when none is due.
  std::optional<std::string> question{};
};

// A text of 1,000 characters or fewer passes. Above, English, Finnish and Swedish get the
// question naming the language, further languages (100 on) the one without a name.
ServiceLengthCheck CheckServiceLength(std::size_t characters, int language, UiLanguage ui);

}  // namespace vorla

#pragma once

#include <string>
#include <string_view>

#include "common/UiLanguage.h"

namespace vorla {

// One user-visible text in English and Finnish (UTF-8).
struct BilingualText {
  std::string_view english;
  std::string_view finnish;

  constexpr std::string_view In(UiLanguage language) const {
    return language == UiLanguage::English ? english : finnish;
  }
};

// The text in the given language with "@1" replaced by the argument.
std::string FormatMessage(const BilingualText& text, UiLanguage language,
                          std::string_view argument = {});

}  // namespace vorla

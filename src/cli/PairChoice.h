#pragma once

#include <string>
#include <string_view>

#include "common/UiLanguage.h"

namespace vorla {
class TranslatorState;
}

namespace vorla::cli {

// Exit statuses of a pair that cannot be chosen, as the service would answer such a pair.
inline constexpr int kNoAccessToPair = 23;
inline constexpr int kInvalidPair = 28;

// Sets the pair of a language-menu word ("en-fi", "fi-en", "en-sv", "auto") as the menu
// does. 0, or the exit status with the reason on the standard error.
int ChooseMenuWord(TranslatorState& state, std::string_view word, UiLanguage language);

// Sets a pair of language codes (see vorla languages) as the language dialog would: each
// from its list, never the same. 0, or the exit status with the reason on the standard error.
int ChooseCodes(TranslatorState& state, const std::string& source, const std::string& target,
                UiLanguage language);

}  // namespace vorla::cli

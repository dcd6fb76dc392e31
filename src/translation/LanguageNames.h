#pragma once

#include <string>
#include <string_view>

#include "common/UiLanguage.h"
#include "translation/LanguagePairs.h"

namespace vorla {

// The name of a language code in the UI language: the local names for 0 to 2, the list names
// for further codes. Empty for any other code (the invalid choice 98 included).
std::string_view LanguageName(int code, UiLanguage language);

// "English -> Finnish", "Finnish -> English", "English -> Swedish" and "Auto-Selection" as
// the main window names the directions. Empty for any other pair.
std::string_view DirectionName(const LanguagePair& pair, UiLanguage language);
std::string_view AutoSelectionName(UiLanguage language);

// The pairs of an account as the account window lists them: both English-Finnish directions
// as one, then English to Swedish after ", ". Empty without an English-Finnish direction.
std::string AvailablePairsText(int bits, UiLanguage language);

// The label of a local pair on dictionaries and updates ("English-Finnish"); empty for any
// other pair.
std::string_view PairLabel(int source, int target, UiLanguage language);

}  // namespace vorla

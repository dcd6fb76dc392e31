#pragma once

#include <span>
#include <string_view>

#include "common/Bilingual.h"
#include "common/UiLanguage.h"
#include "translation/LanguageFamily.h"

namespace vorla {

// One further language the service offers: its code, names and the encoding index of
// results in it (Windows-1252 where nothing else is named).
struct FurtherLanguage {
  int code;
  BilingualText name;
  int resultEncoding;
};

// The first list (codes 100 to 138) and the second (200 to 263), each in code order.
std::span<const FurtherLanguage> FirstListLanguages();
std::span<const FurtherLanguage> SecondListLanguages();

// A list in the order the UI language shows it: code order in English, Finnish alphabetical
// order in Finnish. Empty for the local family.
std::span<const FurtherLanguage* const> FurtherLanguagesInOrder(LanguageFamily list,
                                                                UiLanguage language);

// The language of a further code, or null for any other code.
const FurtherLanguage* FindFurtherLanguage(int code);

// The encoding index of results in a further-language target: 0 for any other code.
int ResultEncodingOf(int code);

}  // namespace vorla

#pragma once

#include <string>

#include "common/UiLanguage.h"
#include "dictionaries/Vocabulary.h"

namespace vorla {

// Appends the dictionary as a table: a header line naming the kind's columns in the header
// language, then one line per entry in dictionary order, every line ending in CR LF. The
// optional columns are written only when an entry needs them. Separator 0 means ';'.
void WriteCsvDictionary(const Vocabulary& vocabulary, std::string& out, UiLanguage headerLanguage,
                        char separator = 0);

}  // namespace vorla

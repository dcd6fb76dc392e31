#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/UiLanguage.h"
#include "dictionaries/DictionaryKind.h"

namespace vorla {

// The notes of an import's note bits, one message box each, in the order of the file's
// format; the texts depend on the dictionary's kind and source language.
std::vector<std::string> ImportNoteMessages(std::uint32_t notes, int format, DictionaryKind kind,
                                            int srclan, UiLanguage language);

// The note of an import that stopped at the entry limit.
std::string TruncatedImportMessage(DictionaryKind kind, int limit, UiLanguage language);

}  // namespace vorla

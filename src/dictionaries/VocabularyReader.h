#pragma once

#include <cstddef>
#include <string_view>

#include "dictionaries/Vocabulary.h"

namespace vorla {

// Fills the dictionary from a stream: header fields, then the entries. Fails on any syntax
// error, a version below 2, an invalid name, or a section announcing more than maxSize
// entries (the configuration's limits.max_size). A failed read leaves the dictionary
// without entries and its header as it was, so a half-read dictionary is never saved.
bool ReadVocabulary(Vocabulary& vocabulary, std::string_view bytes, std::size_t maxSize);

}  // namespace vorla

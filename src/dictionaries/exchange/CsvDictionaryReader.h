#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "dictionaries/Vocabulary.h"

namespace vorla {

namespace csv_read {
inline constexpr int kSkipInvalidRows = 2;  // without it the first invalid row ends the import
inline constexpr int kMerge = 4;            // into the open dictionary, whose kind must match
}  // namespace csv_read

// Reads a table (Windows-1252) into the dictionary: the header line, when there is one, names
// the kind and the columns; every other line is an entry. Separator 0: DetectCsvSeparator.
// notes receives the import note bits. Returns 0, -1 (an invalid row without the skip flag, a
// table the dictionary cannot take), -14 (maxEntries reached; the entries read stay) or -22
// (a merge into a dictionary of another kind; nothing read).
int ReadCsvDictionary(Vocabulary& vocabulary, std::string_view text, int flags, char separator,
                      std::uint32_t& notes, std::size_t maxEntries);

}  // namespace vorla

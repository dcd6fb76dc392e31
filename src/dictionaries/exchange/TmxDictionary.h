#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/UiLanguage.h"
#include "dictionaries/Vocabulary.h"
#include "dictionaries/exchange/ImportTarget.h"

namespace vorla {

// Who wrote the translation memory, for its header.
struct TmxCreator {
  std::string_view tool;     // the product name
  std::string version;       // as the service's ver field writes it
  UiLanguage adminLanguage;  // the user-interface language
};

// A Normal or Phrases dictionary as a TMX 1.4 translation memory, one unit per entry:
// 0, or -1 for the other kinds.
int WriteTmxDictionary(const Vocabulary& vocabulary, const TmxCreator& creator, std::string& out);

// Reads the units whose variants match the dictionary's language pair into a Phrases
// dictionary: 0, or -1 (a segment the checks refuse), -5 (cannot open), -14 (the entry
// limit; the entries read so far stay), -18 (not well-formed, an external entity) or -22 (a
// merge into a dictionary that holds no phrases). notes receives the import note bits.
int ReadTmxDictionary(ImportTarget& target, const std::filesystem::path& path, bool merge,
                      std::uint32_t& notes);

}  // namespace vorla

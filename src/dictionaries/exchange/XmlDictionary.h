#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "dictionaries/Vocabulary.h"
#include "dictionaries/exchange/ImportTarget.h"

namespace vorla {

// The dictionary as the XML exchange document (UTF-8, CR LF line ends), which carries every
// kind and every attribute.
void WriteXmlDictionary(const Vocabulary& vocabulary, std::string& out);

struct XmlReadOptions {
  bool merge = false;     // into the open dictionary: its kind must be the file's
  bool keepName = false;  // the header's name does not rename the dictionary
};

// Reads the document's header and entries into the target: 0, or -1 (no name in the header,
// or an entry text the checks refuse), -3 (invalid name), -5 (cannot open), -14 (the entry
// limit; the entries read so far stay), -17 (not well-formed, an external entity, a header
// element after the first entry) or -22 (a merge with another kind). notes receives the
// import note bits.
int ReadXmlDictionary(ImportTarget& target, const std::filesystem::path& path,
                      const XmlReadOptions& options, std::uint32_t& notes);

}  // namespace vorla

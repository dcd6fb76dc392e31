#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "dictionaries/Vocabulary.h"

namespace vorla {

// The header of a dictionary stream as read: the fields and where the body starts.
struct StreamHeader {
  int version = 0;
  int uid = 0;
  int secondUid = 0;
  int voctype = 1;
  int pid = 0;
  int shtype = 0;
  DictionaryKind vocsubtype = DictionaryKind::Normal;
  int srclan = 0;
  int tgtlan = 1;
  std::string_view name;
  std::string_view description;
  std::size_t bodyStart = 0;
};

// "%voc-<version> <uid> <second uid> ", six header bytes (each field plus 1), the name, 0xF7,
// the description and 0xFF.
void WriteStreamHeader(const VocabularyHeader& header, std::string& out);

// Nothing when the header breaks its syntax or the bytes end inside it. A stream without
// the leading '%' has no header fields and version 0.
std::optional<StreamHeader> ReadStreamHeader(std::string_view bytes);

}  // namespace vorla

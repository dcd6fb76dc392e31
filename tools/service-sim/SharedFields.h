#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "FieldReader.h"

namespace vorla::sim {

// The source text of a `tr` or `gettrprice` request as the service reads it.
struct SourceText {
  std::optional<std::string> bytes;  // inflated when the request sent it compressed
  std::int32_t status = 0;           // 5: a compressed source that does not inflate
};

// Reads `trflags`, sent only when not 0, and `actsent`, sent only with 0x2 and never below
// 0. A request that breaks this is refused through the reader.
std::uint32_t ReadFlags(FieldReader& fields, std::optional<std::int32_t>& activeSentence);

// Reads `srctxt`. trflags 0x800 says it is a zlib stream; 0x400 asks for a compressed answer
// and, with a source, only ever comes with 0x800 (the client drops 0x400 when compression
// does not pay). A request that breaks this is refused through the reader.
SourceText ReadSource(FieldReader& fields, std::uint32_t flags);

}  // namespace vorla::sim

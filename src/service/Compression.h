#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/DataBuffer.h"

namespace vorla {

// Results of compression and inflation, the translation result codes of the same meaning.
inline constexpr std::int32_t kCompressionFailed = 5;
inline constexpr std::int32_t kInflateOk = 0;
inline constexpr std::int32_t kInflateDamaged = 8;  // not a complete zlib stream
inline constexpr std::int32_t kInflateTooLong = 9;  // longer than allowed

// What an unlimited result may grow to, so that a hostile answer cannot exhaust memory.
inline constexpr std::int64_t kUnlimitedCeiling = std::int64_t{1} << 30;

// The limit that stands for a configured maximum: -1 (no limit of its own) and anything
// beyond the ceiling give the ceiling.
constexpr std::int64_t EffectiveMaximum(std::int64_t maximum) {
  return maximum < 0 || maximum > kUnlimitedCeiling ? kUnlimitedCeiling : maximum;
}

// zlib's one-call compression at the default level (zlib stream with header and checksum);
// nothing when it fails.
std::optional<std::string> CompressBytes(std::string_view bytes);

// Inflates one zlib stream into the (empty) buffer, straight into its storage. Complete only
// when the stream's end is reached: a truncated or damaged stream gives kInflateDamaged.
// A result longer than maxLength (-1: the fixed ceiling) gives kInflateTooLong as soon as
// inflation passes it. The buffer's content is terminated by a zero byte.
std::int32_t InflateBuffer(std::string_view compressed, std::int64_t maxLength, IDataBuffer& out);

}  // namespace vorla

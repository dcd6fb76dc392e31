#include "translation/SentenceAlignment.h"

namespace vorla {

namespace {

constexpr std::int64_t kCountSize = 4;
constexpr std::int64_t kRecordSize = 16;

std::int32_t ReadLittleEndian32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + i])) << (8 * i);
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<SentenceAlignment> SentenceAlignment::Parse(std::string_view part) {
  const auto length = static_cast<std::int64_t>(part.size());
  if (length < kCountSize) return std::nullopt;
  const std::int64_t count = ReadLittleEndian32(part, 0);
  // In 64 bits, so that a huge count cannot wrap around to the part's length.
  if (count < 0 || kRecordSize * count + kCountSize != length) return std::nullopt;
  std::vector<AlignmentRecord> records;
  records.reserve(static_cast<std::size_t>(count));
  for (auto at = static_cast<std::size_t>(kCountSize); at < part.size(); at += kRecordSize) {
    records.push_back({ReadLittleEndian32(part, at), ReadLittleEndian32(part, at + 4),
                       ReadLittleEndian32(part, at + 8), ReadLittleEndian32(part, at + 12)});
  }
  return SentenceAlignment(std::move(records));
}

}  // namespace vorla

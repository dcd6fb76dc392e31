#include "dictionaries/StreamHeader.h"

#include <limits>

#include "dictionaries/StreamBytes.h"

namespace vorla {

namespace {

constexpr std::string_view kTag = "%voc-";
constexpr std::size_t kVersionBlankWithin = 8;
constexpr std::size_t kNumberBlankWithin = 16;
constexpr std::size_t kMaxName = 127;
constexpr std::size_t kMaxDescription = 511;
constexpr int kMaxVoctypeByte = 10;
constexpr int kMaxPidByte = 101;

// A decimal number (optionally negative) that fits in 32 bits.
std::optional<int> ParseDecimal(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
  }
  return static_cast<int>(negative ? -value : value);
}

// The number from pos up to a blank that comes within `within` bytes; pos moves past it.
std::optional<int> ReadNumberField(std::string_view bytes, std::size_t& pos, std::size_t within) {
  const std::size_t blank = bytes.find(' ', pos);
  if (blank == std::string_view::npos || blank - pos >= within) return std::nullopt;
  const auto value = ParseDecimal(bytes.substr(pos, blank - pos));
  pos = blank + 1;
  return value;
}

// Reads "%voc-<version> " and, from version 2 on, the two user numbers.
bool ReadVersionAndUsers(std::string_view bytes, StreamHeader& header, std::size_t& pos) {
  constexpr std::size_t kVersionStart = 5;
  if (!bytes.starts_with(kTag) || bytes.size() <= kVersionStart || bytes[kVersionStart] < '0' ||
      bytes[kVersionStart] > '9') {
    return false;
  }
  pos = kVersionStart;
  const auto version = ReadNumberField(bytes, pos, kVersionBlankWithin - kVersionStart);
  if (!version || *version < 1) return false;
  header.version = *version;
  if (header.version < 2) return true;
  const auto uid = ReadNumberField(bytes, pos, kNumberBlankWithin);
  const auto secondUid = uid ? ReadNumberField(bytes, pos, kNumberBlankWithin) : std::nullopt;
  if (!secondUid) return false;
  header.uid = *uid;
  header.secondUid = *secondUid;
  return true;
}

bool ReadFieldBytes(std::string_view bytes, StreamHeader& header, std::size_t& pos) {
  constexpr std::size_t kFieldBytes = 6;
  if (bytes.size() - pos < kFieldBytes) return false;
  const auto field = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[pos + i]) - 1; };
  header.voctype = field(0);
  header.pid = field(1);
  header.shtype = field(2);
  const int kind = field(3);
  header.srclan = field(4);
  header.tgtlan = field(5);
  if (header.voctype < 0 || header.voctype >= kMaxVoctypeByte || header.pid < 0 ||
      header.pid >= kMaxPidByte || kind < 0 || kind >= kDictionaryKindCount) {
    return false;
  }
  header.vocsubtype = static_cast<DictionaryKind>(kind);
  if (header.srclan == 0 && header.tgtlan == 0) header.tgtlan = 1;
  pos += kFieldBytes;
  return true;
}

// A text up to its end byte, which must come within maxLength + 1 bytes.
std::optional<std::string_view> ReadDelimited(std::string_view bytes, std::size_t& pos,
                                              std::uint8_t end, std::size_t maxLength) {
  const std::size_t found = bytes.find(static_cast<char>(end), pos);
  if (found == std::string_view::npos || found - pos > maxLength) return std::nullopt;
  const std::string_view text = bytes.substr(pos, found - pos);
  pos = found + 1;
  return text;
}

}  // namespace

void WriteStreamHeader(const VocabularyHeader& header, std::string& out) {
  out.append(kTag).append(std::to_string(header.version)).push_back(' ');
  out.append(std::to_string(header.uid)).push_back(' ');
  out.append(std::to_string(header.secondUid)).push_back(' ');
  for (const int field : {header.voctype, header.pid, header.shtype,
                          static_cast<int>(header.vocsubtype), header.srclan, header.tgtlan}) {
    PutByte(out, static_cast<std::uint8_t>(field + 1));
  }
  out.append(header.name);
  PutByte(out, stream_byte::kSeparator);
  out.append(header.description);
  PutByte(out, stream_byte::kRecordEnd);
}

std::optional<StreamHeader> ReadStreamHeader(std::string_view bytes) {
  StreamHeader header;
  std::size_t pos = 0;
  if (!bytes.empty() && bytes.front() == '%') {
    if (!ReadVersionAndUsers(bytes, header, pos) || !ReadFieldBytes(bytes, header, pos)) {
      return std::nullopt;
    }
  }
  const auto name = ReadDelimited(bytes, pos, stream_byte::kSeparator, kMaxName);
  if (!name || name->empty()) return std::nullopt;
  const auto description = ReadDelimited(bytes, pos, stream_byte::kRecordEnd, kMaxDescription);
  if (!description) return std::nullopt;
  header.name = *name;
  header.description = *description;
  header.bodyStart = pos;
  return header;
}

}  // namespace vorla

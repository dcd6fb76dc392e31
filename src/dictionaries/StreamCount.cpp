#include "dictionaries/StreamCount.h"

namespace vorla {

namespace {

// The shortest record: a one-byte phrase with an empty target, "x␠", 0x03, "␠", 0xFF.
constexpr std::size_t kMinRecordSize = 5;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

void WriteCountField(std::string& out, std::size_t count) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[count % 16]);
    count /= 16;
  } while (count > 0);
  out.append(digits);
  if (digits.size() < kCountFieldSize) out.append(kCountFieldSize - digits.size(), ' ');
}

std::optional<std::size_t> ReadCountField(std::string_view section, std::size_t maxSize) {
  if (section.size() < kCountFieldSize) return std::nullopt;
  const std::string_view field = section.substr(0, kCountFieldSize);
  const std::size_t start = field.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  std::size_t end = start;
  std::size_t count = 0;
  for (; end < field.size() && HexValue(field[end]) >= 0; ++end) {
    count = count * 16 + static_cast<std::size_t>(HexValue(field[end]));
  }
  // At least one digit, and at least one blank after the digits.
  if (end == start || end == field.size() || field.find_first_not_of(' ', end) != field.npos) {
    return std::nullopt;
  }
  const std::size_t room = (section.size() - kCountFieldSize) / kMinRecordSize;
  if (count > maxSize || count > room) return std::nullopt;
  return count;
}

}  // namespace vorla

#include "dictionaries/exchange/ExchangeText.h"

#include <optional>

#include "common/Utf8.h"
#include "common/Windows1252.h"
#include "common/XmlTextWriter.h"

namespace vorla {
namespace {

constexpr std::size_t kMaxReferenceDigits = 5;

// The value of a numeric character reference at pos and its length, or nothing.
std::optional<std::pair<char32_t, std::size_t>> ReferenceAt(std::string_view text,
                                                            std::size_t pos) {
  if (text.compare(pos, 2, "&#") != 0) return std::nullopt;
  std::size_t end = pos + 2;
  char32_t value = 0;
  while (end < text.size() && end - pos - 2 < kMaxReferenceDigits && text[end] >= '0' &&
         text[end] <= '9') {
    value = value * 10 + static_cast<char32_t>(text[end] - '0');
    ++end;
  }
  if (end == pos + 2 || end >= text.size() || text[end] != ';') return std::nullopt;
  return std::pair{value, end + 1 - pos};
}

}  // namespace

std::string ExportedText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (std::size_t pos = 0; pos < text.size();) {
    if (const auto reference = ReferenceAt(text, pos)) {
      const auto [value, length] = *reference;
      if (value >= 0x10000) {
        out.push_back(' ');
      } else if (IsXmlCharacter(value)) {
        AppendUtf8(out, value);
      } else {
        out.append(text.substr(pos, length));
      }
      pos += length;
      continue;
    }
    const auto byte = static_cast<std::uint8_t>(text[pos++]);
    AppendUtf8(out, Cp1252ToCodePoint(byte).value_or(byte));
  }
  return out;
}

}  // namespace vorla

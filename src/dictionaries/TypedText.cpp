#include "dictionaries/TypedText.h"

#include <optional>

#include "common/Utf8.h"
#include "common/Windows1252.h"

namespace vorla {

namespace {

constexpr std::size_t kMaxTypedBytes = 398;
constexpr std::size_t kMaxReferenceDigits = 5;

constexpr char32_t kSoftHyphen = 0x00AD;
constexpr char32_t kWordJoiner = 0x2060;
constexpr char32_t kByteOrderMark = 0xFEFF;
constexpr char32_t kFigureSpace = 0x2007;
constexpr char32_t kNarrowNoBreakSpace = 0x202F;
constexpr char32_t kNonBreakingHyphen = 0x2011;

// The bytes a typed character stands for; nothing when it has none.
std::optional<std::string> BytesOf(char32_t c, TextSide side) {
  const bool source = side == TextSide::Source;
  switch (c) {
    case kSoftHyphen:
    case kWordJoiner:
    case kByteOrderMark:
      return std::string();
    case kFigureSpace:
      return std::string(" ");
    case kNarrowNoBreakSpace:
      return std::string(source ? " " : "\xA0");
    case kNonBreakingHyphen:
      return std::string(source ? "-" : "&#8209;");
    default:
      if (const auto byte = CodePointToCp1252(c)) return std::string(1, static_cast<char>(*byte));
      return std::nullopt;
  }
}

int DigitValue(char c, bool hex) {
  if (c >= '0' && c <= '9') return c - '0';
  if (hex && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (hex && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The character of a reference at text[pos] ("&#"), and the reference's length.
std::optional<std::pair<char32_t, std::size_t>> ReadReference(std::string_view text,
                                                              std::size_t pos) {
  std::size_t i = pos + 2;
  const bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
  if (hex) ++i;
  const std::size_t digitsStart = i;
  char32_t value = 0;
  for (; i < text.size() && DigitValue(text[i], hex) >= 0; ++i) {
    if (i - digitsStart == kMaxReferenceDigits) return std::nullopt;
    value = value * (hex ? 16 : 10) + static_cast<char32_t>(DigitValue(text[i], hex));
  }
  if (i == digitsStart || i == text.size() || text[i] != ';') return std::nullopt;
  if (value == 0 || (value >= 0xD800 && value <= 0xDFFF)) return std::nullopt;
  return std::pair{value, i + 1 - pos};
}

}  // namespace

TypedText ConvertTypedText(std::string_view utf8, TextSide side) {
  TypedText converted;
  for (Utf8Decoder decoder(utf8); !decoder.AtEnd();) {
    const char32_t c = decoder.Next().value_or(kReplacementCharacter);
    const auto bytes = BytesOf(c, side);
    if (!bytes) return {TypedTextResult::IllegalChar, {}, c};
    if (converted.bytes.size() + bytes->size() > kMaxTypedBytes) {
      return {TypedTextResult::TooLong, {}, c};
    }
    converted.bytes.append(*bytes);
  }
  return converted;
}

std::string ConvertStoredText(std::string_view bytes) {
  std::string shown;
  for (std::size_t i = 0; i < bytes.size();) {
    if (bytes.substr(i).starts_with("&#")) {
      if (const auto reference = ReadReference(bytes, i)) {
        AppendUtf8(shown, reference->first);
        i += reference->second;
        continue;
      }
    }
    AppendUtf8(
        shown,
        Cp1252ToCodePoint(static_cast<std::uint8_t>(bytes[i])).value_or(kReplacementCharacter));
    ++i;
  }
  return shown;
}

}  // namespace vorla

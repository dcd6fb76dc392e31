#include "documents/rtf/RtfTextEscaper.h"

#include <cstdint>

#include "common/Utf8.h"
#include "common/Windows1252.h"
#include "documents/rtf/RichDocument.h"

namespace vorla {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void AppendHexByte(std::string& out, std::uint8_t byte) {
  out += "\\'";
  out.push_back(kHexDigits[byte >> 4]);
  out.push_back(kHexDigits[byte & 0xF]);
}

// \uN takes a signed 16-bit value. The fallback '?' is written as \'3f: some readers
// step over the wrong character after a literal one.
void AppendUnicodeUnit(std::string& out, char16_t unit) {
  out += "\\u";
  out += std::to_string(static_cast<std::int16_t>(unit));
  AppendHexByte(out, '?');
}

void AppendUnicode(std::string& out, char32_t c) {
  if (c < 0x10000) {
    AppendUnicodeUnit(out, static_cast<char16_t>(c));
    return;
  }
  AppendUnicodeUnit(out, static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
  AppendUnicodeUnit(out, static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
}

}  // namespace

void AppendRtfText(std::string& out, std::string_view utf8, StreamEncoding encoding) {
  for (Utf8Decoder decoder(utf8); !decoder.AtEnd();) {
    const char32_t c = decoder.Next().value_or(kReplacementCharacter);
    if (c == kTabCharacter) {
      out += "\\tab ";
    } else if (c == kLineBreakCharacter) {
      out += "\\line ";
    } else if (c == '\\' || c == '{' || c == '}') {
      out.push_back('\\');
      out.push_back(static_cast<char>(c));
    } else if (c < 0x20) {
      continue;
    } else if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (encoding == StreamEncoding::Utf8) {
      AppendUtf8(out, c);
    } else if (const auto byte = CodePointToCp1252(c)) {
      AppendHexByte(out, *byte);
    } else {
      AppendUnicode(out, c);
    }
  }
}

}  // namespace vorla

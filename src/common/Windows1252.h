#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/Utf8.h"

namespace vorla {

// Windows-1252 by our own table. 0x80 to 0x9F are not Latin-1, and 0x81, 0x8D, 0x8F,
// 0x90 and 0x9D are undefined.

// The character of a byte; nothing for the five undefined bytes.
std::optional<char32_t> Cp1252ToCodePoint(std::uint8_t byte);
// The byte of a character; nothing when Windows-1252 has no such character
// (U+0080 to U+009F included).
std::optional<std::uint8_t> CodePointToCp1252(char32_t c);

// Windows-1252 bytes as UTF-8; an undefined byte becomes the replacement.
std::string Cp1252ToUtf8(std::string_view bytes, char32_t replacement = kReplacementCharacter);
// UTF-8 text as Windows-1252, each character without an equivalent (and each invalid
// UTF-8 sequence) replaced by `replacement`.
std::string Utf8ToCp1252(std::string_view utf8, char replacement = '?');
// UTF-8 text as Windows-1252, or nothing when any character has no equivalent.
std::optional<std::string> Utf8ToCp1252Strict(std::string_view utf8);

// Case mapping of Windows-1252 letters: A-Z, Š, Œ, Ž, Ÿ and À to Þ except ×.
std::uint8_t Cp1252ToUpper(std::uint8_t byte);
std::uint8_t Cp1252ToLower(std::uint8_t byte);
// Compares two texts byte by byte (as unsigned bytes) after folding to lower case.
int Cp1252CompareNoCase(std::string_view a, std::string_view b);

}  // namespace vorla

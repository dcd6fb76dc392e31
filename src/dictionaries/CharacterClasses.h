#pragma once

#include <cstdint>
#include <string_view>

namespace vorla {

// Character classes of the entry checks (Windows-1252 bytes).
bool IsLetter(std::uint8_t c);
bool IsDigit(std::uint8_t c);
// Space, tab, line feed, carriage return, no-break space.
bool IsWhiteSpace(std::uint8_t c);
// ' ` ‘ ’ ´
bool IsApostropheLike(std::uint8_t c);
// " “ ”
bool IsQuoteLike(std::uint8_t c);
// $ % € £ ¥
bool IsMoneyOrPercent(std::uint8_t c);
// English consonants and š ž ç ñ in both cases; y is not one.
bool IsConsonant(std::uint8_t c);

// A byte that the dictionary stream cannot carry inside a text: a control byte that is not
// white space, and 0xFF, which ends a record.
bool IsUnstorable(std::uint8_t c);

// The text without white space at either end.
std::string_view TrimWhiteSpace(std::string_view text);

inline std::uint8_t ByteAt(std::string_view text, std::size_t i) {
  return static_cast<std::uint8_t>(text[i]);
}

}  // namespace vorla

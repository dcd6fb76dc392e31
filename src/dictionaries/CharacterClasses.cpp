#include "dictionaries/CharacterClasses.h"

namespace vorla {

bool IsLetter(std::uint8_t c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  if (c == 0x8A || c == 0x8E || c == 0x9A || c == 0x9E || c == 0x9F) return true;
  return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

bool IsDigit(std::uint8_t c) {
  return c >= '0' && c <= '9';
}

bool IsWhiteSpace(std::uint8_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == 0xA0;
}

bool IsApostropheLike(std::uint8_t c) {
  return c == '\'' || c == '`' || c == 0x91 || c == 0x92 || c == 0xB4;
}

bool IsQuoteLike(std::uint8_t c) {
  return c == '"' || c == 0x93 || c == 0x94;
}

bool IsMoneyOrPercent(std::uint8_t c) {
  return c == '$' || c == '%' || c == 0x80 || c == 0xA3 || c == 0xA5;
}

bool IsConsonant(std::uint8_t c) {
  constexpr std::string_view kConsonants =
      "bcdfghjklmnpqrstvwxzBCDFGHJKLMNPQRSTVWXZ\x9A\x9E\xE7\xF1\x8A\x8E\xC7\xD1";
  return c != 0 && kConsonants.find(static_cast<char>(c)) != std::string_view::npos;
}

bool IsUnstorable(std::uint8_t c) {
  return (c < 0x20 && !IsWhiteSpace(c)) || c == 0xFF;
}

std::string_view TrimWhiteSpace(std::string_view text) {
  while (!text.empty() && IsWhiteSpace(ByteAt(text, 0)))
    text.remove_prefix(1);
  while (!text.empty() && IsWhiteSpace(ByteAt(text, text.size() - 1)))
    text.remove_suffix(1);
  return text;
}

}  // namespace vorla

#include "dictionaries/DictionaryName.h"

#include <algorithm>
#include <cstdint>

namespace vorla {

namespace {

constexpr std::size_t kMaxNameLength = 127;

bool IsTrimmed(std::uint8_t c) {
  return c == '\t' || c == '\n' || c == '\r' || c == ' ' || c == 0xA0;
}

bool IsNameByte(std::uint8_t c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  if (c < 0x80)
    return std::string_view(" #$%&'()-@[]_{}").find(static_cast<char>(c)) != std::string_view::npos;
  if (c == 0x8A || c == 0x8E || c == 0x9A || c == 0x9E || c == 0xA3) return true;
  return c >= 0xC0 && c <= 0xFE && c != 0xD7 && c != 0xF7;
}

}  // namespace

std::string_view TrimDictionaryName(std::string_view name) {
  while (!name.empty() && IsTrimmed(static_cast<std::uint8_t>(name.front())))
    name.remove_prefix(1);
  while (!name.empty() && IsTrimmed(static_cast<std::uint8_t>(name.back())))
    name.remove_suffix(1);
  return name;
}

bool IsValidDictionaryName(std::string_view name) {
  name = TrimDictionaryName(name);
  return !name.empty() && name.front() != '%' && name.size() <= kMaxNameLength &&
         std::ranges::all_of(name, [](char c) { return IsNameByte(static_cast<std::uint8_t>(c)); });
}

}  // namespace vorla

#pragma once

#include <array>
#include <cstdint>

namespace vorla {

// A 16-byte interface identifier. Objects compare identifiers byte for byte.
struct InterfaceId {
  std::array<std::uint8_t, 16> bytes{};

  friend constexpr bool operator==(const InterfaceId&, const InterfaceId&) = default;
};

namespace detail {
consteval std::uint8_t HexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
  throw "not a hexadecimal digit";
}
}  // namespace detail

// Parses the registry form "9BBAFF93-62E6-11D3-B4D7-002018297BCD" at compile time.
consteval InterfaceId MakeInterfaceId(const char (&text)[37]) {
  InterfaceId id;
  int out = 0;
  for (int i = 0; i < 36;) {
    if (text[i] == '-') {
      ++i;
      continue;
    }
    id.bytes[static_cast<std::size_t>(out++)] =
        static_cast<std::uint8_t>(detail::HexDigit(text[i]) << 4 | detail::HexDigit(text[i + 1]));
    i += 2;
  }
  if (out != 16) throw "an interface identifier has 16 bytes";
  return id;
}

}  // namespace vorla

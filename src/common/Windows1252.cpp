#include "common/Windows1252.h"

#include <algorithm>
#include <array>

#include "common/Utf8.h"

namespace vorla {

namespace {

constexpr char32_t kUndefined = 0;

// 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC,     kUndefined, 0x201A, 0x0192, 0x201E, 0x2026,     0x2020, 0x2021,
    0x02C6,     0x2030,     0x0160, 0x2039, 0x0152, kUndefined, 0x017D, kUndefined,
    kUndefined, 0x2018,     0x2019, 0x201C, 0x201D, 0x2022,     0x2013, 0x2014,
    0x02DC,     0x2122,     0x0161, 0x203A, 0x0153, kUndefined, 0x017E, 0x0178,
};

}  // namespace

std::optional<char32_t> Cp1252ToCodePoint(std::uint8_t byte) {
  if (byte < 0x80 || byte >= 0xA0) return char32_t{byte};
  const char32_t c = kHighControls[byte - 0x80];
  if (c == kUndefined) return std::nullopt;
  return c;
}

std::optional<std::uint8_t> CodePointToCp1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<std::uint8_t>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] != kUndefined && kHighControls[i] == c) {
      return static_cast<std::uint8_t>(0x80 + i);
    }
  }
  return std::nullopt;
}

std::string Cp1252ToUtf8(std::string_view bytes, char32_t replacement) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (const char b : bytes) {
    const auto byte = static_cast<std::uint8_t>(b);
    if (byte < 0x80) {
      out.push_back(b);
    } else {
      AppendUtf8(out, Cp1252ToCodePoint(byte).value_or(replacement));
    }
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8, char replacement) {
  std::string out;
  out.reserve(utf8.size());
  for (Utf8Decoder decoder(utf8); !decoder.AtEnd();) {
    const auto c = decoder.Next();
    const auto byte = c ? CodePointToCp1252(*c) : std::nullopt;
    out.push_back(byte ? static_cast<char>(*byte) : replacement);
  }
  return out;
}

std::optional<std::string> Utf8ToCp1252Strict(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (Utf8Decoder decoder(utf8); !decoder.AtEnd();) {
    const auto c = decoder.Next();
    const auto byte = c ? CodePointToCp1252(*c) : std::nullopt;
    if (!byte) return std::nullopt;
    out.push_back(static_cast<char>(*byte));
  }
  return out;
}

std::uint8_t Cp1252ToUpper(std::uint8_t byte) {
  if (byte >= 'a' && byte <= 'z') return static_cast<std::uint8_t>(byte - 0x20);
  if (byte == 0x9A || byte == 0x9C || byte == 0x9E) return static_cast<std::uint8_t>(byte - 0x10);
  if (byte == 0xFF) return 0x9F;
  if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) return static_cast<std::uint8_t>(byte - 0x20);
  return byte;
}

std::uint8_t Cp1252ToLower(std::uint8_t byte) {
  if (byte >= 'A' && byte <= 'Z') return static_cast<std::uint8_t>(byte + 0x20);
  if (byte == 0x8A || byte == 0x8C || byte == 0x8E) return static_cast<std::uint8_t>(byte + 0x10);
  if (byte == 0x9F) return 0xFF;
  if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<std::uint8_t>(byte + 0x20);
  return byte;
}

int Cp1252CompareNoCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int x = Cp1252ToLower(static_cast<std::uint8_t>(a[i]));
    const int y = Cp1252ToLower(static_cast<std::uint8_t>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace vorla

#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace vorla::test {

// A whole file's bytes; empty when it cannot be read.
inline std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A 32-bit little-endian field, as picture packages hold them.
inline std::string LittleEndian32(std::uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i)
    bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

// A little-endian length and the bytes.
inline std::string LengthPrefixed(std::string_view text) {
  return LittleEndian32(static_cast<std::uint32_t>(text.size())) + std::string(text);
}

}  // namespace vorla::test

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorla {

// Delimiter bytes of the dictionary stream; none of them occurs in a stored text.
namespace stream_byte {
inline constexpr std::uint8_t kSectionEnd = 0x00;  // between the two sections of Normal
inline constexpr std::uint8_t kModifier = 0x01;
inline constexpr std::uint8_t kComplement = 0x02;
inline constexpr std::uint8_t kTargetPart = 0x03;
inline constexpr std::uint8_t kBlank = 0x20;  // ends every text field
inline constexpr std::uint8_t kListOpen = 0xC8;
inline constexpr std::uint8_t kValue = 0xCA;
inline constexpr std::uint8_t kListClose = 0xD7;
inline constexpr std::uint8_t kSeparator = 0xF7;  // between attributes; ends the name
inline constexpr std::uint8_t kRecordEnd = 0xFF;  // ends a record; ends the description
}  // namespace stream_byte

inline void PutByte(std::string& out, std::uint8_t byte) {
  out.push_back(static_cast<char>(byte));
}

// A text field: its bytes and the blank that ends it.
inline void PutField(std::string& out, std::string_view text) {
  out.append(text);
  PutByte(out, stream_byte::kBlank);
}

}  // namespace vorla

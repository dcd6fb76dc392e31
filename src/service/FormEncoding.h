#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorla {

// Escaping of form field values. Every escape is "%" and two lower-case hexadecimal digits,
// and a space is written as "+"; the service decodes all three kinds the same way, so the
// choice only decides the size.

// For values that may hold any byte (the compressed source text): only the bytes 0, "%",
// "&", "+", "=" and "?" are escaped, so binary data grows little. Appends to out.
void EncodeFormBytes(std::string_view bytes, std::string& out);

// For an address sent as a field value: letters and digits stay, everything else is
// escaped. The result may hold at most 2047 characters; longer gives -1 and an empty out.
// Returns the length.
inline constexpr std::int32_t kMaxUrlFieldLength = 2047;
std::int32_t EncodeUrlField(std::string_view text, std::string& out);

// Strict escaping (letters and digits stay) for names, descriptions and frame addresses.
// EncodeFormString stops at the first zero byte; EncodeFormBinary takes every byte.
// Both append to out.
void EncodeFormString(std::string_view text, std::string& out);
void EncodeFormBinary(std::string_view bytes, std::string& out);

}  // namespace vorla

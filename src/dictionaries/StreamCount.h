#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorla {

// The count field in front of a section's records: eight bytes written with "%-8x".
inline constexpr std::size_t kCountFieldSize = 8;

void WriteCountField(std::string& out, std::size_t count);

// The count at the start of a section: 1 to 7 hexadecimal digits, blanks around them,
// within the field. Nothing when the field breaks that, when the count exceeds maxSize, or
// when the rest of the section could not hold that many records.
std::optional<std::size_t> ReadCountField(std::string_view section, std::size_t maxSize);

}  // namespace vorla

#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vorla {

// The percentage done of a transfer, computed in 64 bits; nothing for a total of 0 or less.
std::optional<int> ProgressPercent(std::int64_t done, std::int64_t total);

// The detail line of the progress dialog: "2KB / 8KB  (25%)" (kilobytes rounded down), or
// empty for a total of 1024 bytes or less.
std::string ProgressDetail(std::int64_t done, std::int64_t total);

}  // namespace vorla

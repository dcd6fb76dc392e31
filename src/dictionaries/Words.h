#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorla {

// The words of a text separated by blanks (runs of blanks count as one).
std::vector<std::string_view> SplitWords(std::string_view text);
// The words joined by single blanks.
std::string JoinWords(std::span<const std::string_view> words);

// ASCII case-insensitive comparisons.
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

}  // namespace vorla

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorla {

// The longest link target kept, as long as the longest address browsers open.
inline constexpr std::size_t kMaxLinkTargetBytes = 2083;

// The target of a HYPERLINK field instruction ("HYPERLINK \"url\"", with an optional \l
// bookmark that becomes "#bookmark"), cut to kMaxLinkTargetBytes; empty for any other field.
std::string HyperlinkTarget(std::string_view instruction);

// The field instruction that links to a target; HyperlinkTarget reads it back.
std::string HyperlinkInstruction(std::string_view target);

}  // namespace vorla

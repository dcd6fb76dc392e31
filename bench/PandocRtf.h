#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla::bench {

// Plain prose (paragraphs ending in CR LF) written as RTF by pandoc; nothing when pandoc is
// not installed or fails.
std::optional<std::string> PandocRtf(std::string_view prose);

}  // namespace vorla::bench

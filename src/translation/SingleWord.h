#pragma once

#include <string_view>

namespace vorla {

// Whether a Windows-1252 text is one word, to be looked up in the dictionaries rather than
// translated: under 100 bytes, and after trimming blanks a non-empty run without blanks,
// line breaks or punctuation.
bool IsSingleWord(std::string_view text);

}  // namespace vorla

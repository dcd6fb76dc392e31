#pragma once

#include <string>
#include <string_view>

namespace vorla::sim {

// Letters and letter case of UTF-8 words as the simulated engine sees them: the letters of
// Windows-1252 change case, every other character keeps its own.

// Whether a character belongs to a word: Latin letters, and the characters from U+00C0 to
// U+FFEF but the multiplication and division signs and the general and CJK punctuation, so
// that words of other scripts stay whole.
bool IsWordLetter(char32_t c);

enum class WordCase { Lower, Capital, Upper };

// Upper: at least two capitals and no lower-case letter; Capital: the first character is a
// capital; otherwise Lower.
WordCase CaseOf(std::string_view word);

std::string LowerCase(std::string_view word);
// The word in the case given: Lower leaves it as it is.
std::string InCase(std::string_view word, WordCase wordCase);

}  // namespace vorla::sim

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Lexicon.h"

namespace vorla::sim {

// The answer to a dictionary lookup (trflags 0x200000) of one word, in UTF-8: "#DICT;\n"
// and a numbered line for each meaning the target language has, with the word class and
// its attributes: "1. työ (Noun)\n2. työskennellä (Verb)\n". Nothing for a word the list
// does not know; the service then translates it as text.
std::optional<std::string> DictionaryEntry(std::string_view word, WordDirection direction);

}  // namespace vorla::sim

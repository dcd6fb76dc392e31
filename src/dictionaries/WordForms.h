#pragma once

#include <string_view>

#include "dictionaries/Vocabulary.h"

namespace vorla {

// A word of 3 or more characters that ends in "'s", or in "s'" with no other apostrophe.
bool IsGenitiveForm(std::string_view word);

// Whether the whole text is, ignoring ASCII case, an auxiliary verb of the dictionary's
// source language ("be", "is", ... in English; "olla", "olen", ... in Finnish).
bool IsAuxiliaryVerb(const Vocabulary& vocabulary, std::string_view text);

}  // namespace vorla

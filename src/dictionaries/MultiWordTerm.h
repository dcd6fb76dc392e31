#pragma once

#include <string>
#include <string_view>

namespace vorla {

// A multi-word term as the engine keeps it: the head word, the words in front of it and
// the words after it (typically a prepositional phrase).
struct MultiWordParts {
  std::string head;
  std::string modifier;
  std::string complement;

  friend bool operator==(const MultiWordParts&, const MultiWordParts&) = default;
};

// One of the 55 English prepositions, compared case-sensitively.
bool IsPreposition(std::string_view word);

// Splits a term: the word before a '*' is the head; otherwise a verb's first word, or the
// word in front of the first inner preposition, or the last word.
MultiWordParts SplitMultiWordTerm(std::string_view text, int scat);

// The source text of the parts, with a '*' after the head exactly where the automatic
// split would not find the same head.
std::string JoinMultiWordTerm(const MultiWordParts& parts, int scat);

}  // namespace vorla

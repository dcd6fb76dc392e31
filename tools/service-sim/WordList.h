#pragma once

#include <span>
#include <string_view>

namespace vorla::sim {

// One meaning of an English word in the simulator's word list. The English form keeps the
// capital letter the word always has ("I", "Monday"), as do the other forms ("Suomi"). An
// empty Finnish or Swedish form means that language leaves the word out (articles, the
// prepositions Finnish expresses with case endings). `classes` is the word class and its
// attributes as a dictionary lookup shows them: "Noun", "Verb,Past", "Adj,Comp".
struct WordEntry {
  std::string_view english;
  std::string_view finnish;
  std::string_view swedish;
  std::string_view classes;
};

// The built-in list; a word's most common meaning comes first.
std::span<const WordEntry> WordList();

}  // namespace vorla::sim

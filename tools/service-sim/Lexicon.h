#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "WordList.h"

namespace vorla::sim {

// The directions the word list translates in.
enum class WordDirection { EnglishFinnish, FinnishEnglish, EnglishSwedish };

// One meaning of a word in one direction.
struct WordMeaning {
  std::string_view source;  // as the list writes it
  std::string_view target;  // empty: the target language leaves the word out
  std::string_view classes;
};

// The word list indexed by its English and its (single-word) Finnish forms, case aside.
class Lexicon {
 public:
  static const Lexicon& Shared();

  // Every meaning of the word, the most common first.
  std::vector<WordMeaning> Meanings(WordDirection direction, std::string_view word) const;
  // The meaning a word-by-word translation takes: the one the list writes in the word's own
  // letter case ("May" the month, "may" the verb), else the most common.
  std::optional<WordMeaning> Translation(WordDirection direction, std::string_view word) const;
  bool IsEnglish(std::string_view word) const;
  bool IsFinnish(std::string_view word) const;

 private:
  using Index = std::map<std::string, std::vector<const WordEntry*>, std::less<>>;

  Lexicon();
  const std::vector<const WordEntry*>* Find(const Index& index, std::string_view word) const;

  Index english_;
  Index finnish_;
};

}  // namespace vorla::sim

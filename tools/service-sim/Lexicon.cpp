#include "Lexicon.h"

#include <algorithm>

#include "LetterCase.h"

namespace vorla::sim {

namespace {

std::string_view SourceForm(const WordEntry& entry, WordDirection direction) {
  return direction == WordDirection::FinnishEnglish ? entry.finnish : entry.english;
}

std::string_view TargetForm(const WordEntry& entry, WordDirection direction) {
  switch (direction) {
    case WordDirection::EnglishFinnish:
      return entry.finnish;
    case WordDirection::FinnishEnglish:
      return entry.english;
    case WordDirection::EnglishSwedish:
      return entry.swedish;
  }
  return {};
}

}  // namespace

const Lexicon& Lexicon::Shared() {
  static const Lexicon lexicon;
  return lexicon;
}

Lexicon::Lexicon() {
  for (const WordEntry& entry : WordList()) {
    english_[LowerCase(entry.english)].push_back(&entry);
    // Phrases ("ei koskaan") never match a single word.
    if (!entry.finnish.empty() && entry.finnish.find(' ') == std::string_view::npos) {
      finnish_[LowerCase(entry.finnish)].push_back(&entry);
    }
  }
}

const std::vector<const WordEntry*>* Lexicon::Find(const Index& index,
                                                   std::string_view word) const {
  const auto found = index.find(LowerCase(word));
  return found == index.end() ? nullptr : &found->second;
}

std::vector<WordMeaning> Lexicon::Meanings(WordDirection direction, std::string_view word) const {
  const auto* entries =
      Find(direction == WordDirection::FinnishEnglish ? finnish_ : english_, word);
  std::vector<WordMeaning> meanings;
  if (!entries) return meanings;
  for (const WordEntry* entry : *entries) {
    meanings.push_back(
        {SourceForm(*entry, direction), TargetForm(*entry, direction), entry->classes});
  }
  return meanings;
}

std::optional<WordMeaning> Lexicon::Translation(WordDirection direction,
                                                std::string_view word) const {
  const std::vector<WordMeaning> meanings = Meanings(direction, word);
  if (meanings.empty()) return std::nullopt;
  const auto sameCase =
      std::ranges::find_if(meanings, [word](const WordMeaning& m) { return m.source == word; });
  return sameCase != meanings.end() ? *sameCase : meanings.front();
}

bool Lexicon::IsEnglish(std::string_view word) const {
  return Find(english_, word) != nullptr;
}

bool Lexicon::IsFinnish(std::string_view word) const {
  return Find(finnish_, word) != nullptr;
}

}  // namespace vorla::sim

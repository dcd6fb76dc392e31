#include "DictionaryLookup.h"

namespace vorla::sim {

namespace {

constexpr std::string_view kHeader = "#DICT;\n";

// The word without the blanks the client trims around it (no-break space in UTF-8).
std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks[] = {" ", "\t", "\r", "\n", "\xC2\xA0"};
  for (std::size_t before = text.size() + 1; text.size() < before;) {
    before = text.size();
    for (const std::string_view blank : kBlanks) {
      if (text.starts_with(blank)) text.remove_prefix(blank.size());
      if (text.ends_with(blank)) text.remove_suffix(blank.size());
    }
  }
  return text;
}

}  // namespace

std::optional<std::string> DictionaryEntry(std::string_view word, WordDirection direction) {
  std::string entry(kHeader);
  int number = 0;
  for (const WordMeaning& meaning : Lexicon::Shared().Meanings(direction, Trimmed(word))) {
    if (meaning.target.empty()) continue;
    entry += std::to_string(++number) + ". " + std::string(meaning.target) + " (" +
             std::string(meaning.classes) + ")\n";
  }
  if (number == 0) return std::nullopt;
  return entry;
}

}  // namespace vorla::sim

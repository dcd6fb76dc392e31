#include "dictionaries/WordForms.h"

#include <algorithm>
#include <span>

#include "dictionaries/Words.h"

namespace vorla {

namespace {

constexpr std::string_view kEnglishAuxiliaries[] = {"be",    "is",     "have", "has",
                                                    "would", "should", "could"};
constexpr std::string_view kFinnishAuxiliaries[] = {"olla",   "olen",   "olet", "on",
                                                    "olemme", "olette", "ovat"};

std::span<const std::string_view> AuxiliariesOf(int language) {
  if (language == language::kEnglish) return kEnglishAuxiliaries;
  if (language == language::kFinnish) return kFinnishAuxiliaries;
  return {};
}

}  // namespace

bool IsGenitiveForm(std::string_view word) {
  constexpr std::size_t kMinLength = 3;
  if (word.size() < kMinLength) return false;
  if (word.ends_with("'s")) return true;
  return word.ends_with("s'") && word.substr(0, word.size() - 1).find('\'') == word.npos;
}

bool IsAuxiliaryVerb(const Vocabulary& vocabulary, std::string_view text) {
  return std::ranges::any_of(AuxiliariesOf(vocabulary.header.srclan),
                             [text](std::string_view verb) { return EqualsNoCase(text, verb); });
}

}  // namespace vorla

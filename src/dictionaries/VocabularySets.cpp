#include "dictionaries/VocabularySets.h"

#include "translation/LanguageFamily.h"

namespace vorla {

VocabularySets::VocabularySets(RefPtr<Config> config)
    : englishFinnish_(config, kLanguageEnglish, kLanguageFinnish),
      finnishEnglish_(config, kLanguageFinnish, kLanguageEnglish) {
  englishFinnish_.LoadLexInfo();
  finnishEnglish_.LoadLexInfo();
}

VocabularySet& VocabularySets::Of(DictionaryDirection direction) {
  return direction == DictionaryDirection::EnglishFinnish ? englishFinnish_ : finnishEnglish_;
}

const VocabularySet& VocabularySets::Of(DictionaryDirection direction) const {
  return direction == DictionaryDirection::EnglishFinnish ? englishFinnish_ : finnishEnglish_;
}

VocabularySet* VocabularySets::ForPair(int srclan, int tgtlan) {
  for (VocabularySet* set : {&englishFinnish_, &finnishEnglish_}) {
    if (set->srclan() == srclan && set->tgtlan() == tgtlan) return set;
  }
  return nullptr;
}

void VocabularySets::ReceiveLexiconInfo(std::string_view lists) {
  const std::size_t lineFeed = lists.find('\n');
  const std::string_view first = lists.substr(0, lineFeed);
  const std::string_view second =
      lineFeed == std::string_view::npos ? std::string_view() : lists.substr(lineFeed + 1);
  for (const auto& [set, part] : {std::pair{&englishFinnish_, first}, {&finnishEnglish_, second}}) {
    if (part.empty()) continue;
    set->ParseLexInfo(part);
    set->RestoreSelection();
  }
  englishFinnish_.SaveLexInfo();
  finnishEnglish_.SaveLexInfo();
}

std::optional<SessionDictionaryInfo> VocabularySets::GetSessionDictionary(
    DictionaryDirection direction) const {
  return Of(direction).SessionDictionary();
}

std::vector<int> VocabularySets::GetActiveDictionaryIds(DictionaryDirection direction) const {
  return Of(direction).ActiveIds();
}

}  // namespace vorla

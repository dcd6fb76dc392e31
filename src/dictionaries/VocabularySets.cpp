#include "dictionaries/VocabularySets.h"

#include "translation/LanguageFamily.h"

namespace vorla {

VocabularySets::VocabularySets(RefPtr<Config> config)
    : englishFinnish_(config, kLanguageEnglish, kLanguageFinnish),
      finnishEnglish_(config, kLanguageFinnish, kLanguageEnglish) {
  englishFinnish_.LoadLexInfo();
  finnishEnglish_.LoadLexInfo();
}

void VocabularySets::ReceiveLexiconInfo(std::string_view lists) {
  const std::size_t lineFeed = lists.find('\n');
  const std::string_view first = lists.substr(0, lineFeed);
  const std::string_view second =
      lineFeed == std::string_view::npos ? std::string_view() : lists.substr(lineFeed + 1);
  if (!first.empty()) englishFinnish_.ParseLexInfo(first);
  if (!second.empty()) finnishEnglish_.ParseLexInfo(second);
  englishFinnish_.SaveLexInfo();
  finnishEnglish_.SaveLexInfo();
}

}  // namespace vorla

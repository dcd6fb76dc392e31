#pragma once

#include <optional>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "dictionaries/VocabularySet.h"
#include "translation/ActiveDictionaryView.h"
#include "translation/LexiconInfoReceiver.h"

namespace vorla {

// The two directions that have user dictionaries, as the translator holds them. Each set
// starts with its stored (or default) lexicon list; every login replaces the lists and
// restores the selections. Every job the translator fills takes its active dictionaries here.
class VocabularySets final : public LexiconInfoReceiver, public ActiveDictionaryView {
 public:
  explicit VocabularySets(RefPtr<Config> config);

  VocabularySet& EnglishFinnish() { return englishFinnish_; }
  VocabularySet& FinnishEnglish() { return finnishEnglish_; }
  VocabularySet& Of(DictionaryDirection direction);
  const VocabularySet& Of(DictionaryDirection direction) const;
  // The set of a language pair; none for pairs without user dictionaries.
  VocabularySet* ForPair(int srclan, int tgtlan);

  // The English-to-Finnish list comes before the first line feed, the Finnish-to-English
  // list after it; an empty part leaves its set as it was. Both sets then store their lists.
  void ReceiveLexiconInfo(std::string_view lists) override;

  std::optional<SessionDictionaryInfo> GetSessionDictionary(
      DictionaryDirection direction) const override;
  std::vector<int> GetActiveDictionaryIds(DictionaryDirection direction) const override;

 private:
  VocabularySet englishFinnish_;
  VocabularySet finnishEnglish_;
};

}  // namespace vorla

#pragma once

#include "common/RefPtr.h"
#include "config/Config.h"
#include "dictionaries/VocabularySet.h"
#include "translation/LexiconInfoReceiver.h"

namespace vorla {

// The two directions that have user dictionaries, as the translator holds them. Each set
// starts with its stored (or default) lexicon list; every login replaces the lists.
class VocabularySets final : public LexiconInfoReceiver {
 public:
  explicit VocabularySets(RefPtr<Config> config);

  VocabularySet& EnglishFinnish() { return englishFinnish_; }
  VocabularySet& FinnishEnglish() { return finnishEnglish_; }

  // The English-to-Finnish list comes before the first line feed, the Finnish-to-English
  // list after it; an empty part leaves its set as it was. Both sets then store their lists.
  void ReceiveLexiconInfo(std::string_view lists) override;

 private:
  VocabularySet englishFinnish_;
  VocabularySet finnishEnglish_;
};

}  // namespace vorla

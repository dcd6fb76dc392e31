#pragma once

#include "dictionaries/VocabularyEntry.h"

namespace vorla {

// A fixed phrase: source and target of up to 399 bytes; it has no word class.
class VocabularyPhraseEntry : public VocabularyEntry {
 public:
  VocabularyPhraseEntry() : VocabularyEntry(EntryClass::Phrase) { scat = word_class::kNoSCat; }

  // Keeps the text as it is; false when it is empty or 400 bytes or longer.
  bool SetSource(std::string_view text) override;
  void WriteRecord(std::string& record) override;
  bool ReadRecord(RecordReader& reader) override;
};

}  // namespace vorla

#pragma once

#include "dictionaries/MultiWordTerm.h"
#include "dictionaries/VocabularyEntry.h"

namespace vorla {

// A multi-word term: its record holds head, modifier and complement instead of the source,
// and the source is rebuilt from them when read.
class VocabularyCompEntry : public VocabularyEntry {
 public:
  VocabularyCompEntry() : VocabularyEntry(EntryClass::CompTerm) {}

  // Keeps the text ('*' included) and splits it by the word class already in scat; false
  // for an empty or too long text and for a head that is empty or over 99 bytes.
  bool SetSource(std::string_view text) override;
  void WriteRecord(std::string& record) override;
  bool ReadRecord(RecordReader& reader) override;

  std::string head;
  std::string modifier;
  std::string complement;
};

}  // namespace vorla

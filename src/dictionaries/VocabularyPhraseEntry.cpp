#include "dictionaries/VocabularyPhraseEntry.h"

#include "dictionaries/StreamBytes.h"

namespace vorla {

bool VocabularyPhraseEntry::SetSource(std::string_view text) {
  if (text.empty() || text.size() > entry_limit::kPhrase) return false;
  source = text;
  return true;
}

void VocabularyPhraseEntry::WriteRecord(std::string& record) {
  PutField(record, BlanksToUnderscores(source));
  WriteTail(record);
}

bool VocabularyPhraseEntry::ReadRecord(RecordReader& reader) {
  const auto token = reader.ReadToken(entry_limit::kPhrase);
  if (!token) return false;
  source = UnderscoresToBlanks(*token);
  return ReadTail(reader, entry_limit::kPhrase);
}

}  // namespace vorla

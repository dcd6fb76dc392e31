#pragma once

#include "dictionaries/VocabularyEntry.h"

namespace vorla {

// Context words, or their translations, in both of their forms.
struct ContextList {
  std::string display;  // items separated by ", ", blanks as blanks
  std::string stored;   // items separated by ",", blanks as '_'; what records carry
  int count = 0;

  friend bool operator==(const ContextList&, const ContextList&) = default;
};

// A context rule: the source word's translation depends on words around it.
class UserLexicalRuleEntry : public VocabularyEntry {
 public:
  UserLexicalRuleEntry() : UserLexicalRuleEntry(EntryClass::LexicalRule) {}

  // Limits the range to -1..100 and keeps the limited value.
  void WriteRecord(std::string& record) override;
  bool ReadRecord(RecordReader& reader) override;

  static int LimitRange(int range) { return range < -1 ? -1 : (range > 100 ? 100 : range); }

  std::uint32_t option = 1;  // stored and read back, never otherwise used
  std::int32_t range = 0;    // ContextWord rules: distance in words; 0 means not given
  ContextList contextwords;
  ContextList contextwordstr;

 protected:
  explicit UserLexicalRuleEntry(EntryClass entryClass) : VocabularyEntry(entryClass) {}

  // Source ('_' for blanks), rule type, option, word class and range + rangeOffset as raw
  // bytes, then the context words.
  void WriteRuleHead(std::string& record, int rangeOffset);
  bool ReadRuleHead(RecordReader& reader, int rangeOffset, bool (*isValidType)(int));
};

// A context-word list in a record: its length in decimal, then, when not empty, the text.
void WriteContextForm(std::string& record, std::string_view stored);
// The stored form of a context-word list; the length must be below 400 and equal the text's.
std::optional<std::string> ReadContextForm(RecordReader& reader);

}  // namespace vorla

#pragma once

#include "dictionaries/UserLexicalRuleEntry.h"

namespace vorla {

// A disambiguation rule: source word, rule type, word class and context words; it has no
// translation, context-word translations or attributes.
class UserDisambRuleEntry : public UserLexicalRuleEntry {
 public:
  UserDisambRuleEntry() : UserLexicalRuleEntry(EntryClass::DisambRule) {}

  void WriteRecord(std::string& record) override;
  bool ReadRecord(RecordReader& reader) override;
};

}  // namespace vorla

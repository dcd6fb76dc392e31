#pragma once

#include <string>
#include <vector>

#include "dictionaries/AttributeCodes.h"
#include "dictionaries/EntryMessages.h"
#include "dictionaries/RuleTypes.h"
#include "dictionaries/Vocabulary.h"

namespace vorla {

// What an entry dialog holds when the user presses OK; texts as typed (UTF-8).
struct EntryForm {
  std::string source;
  std::string translation;            // not in the disambiguation dialog
  std::string contextWords;           // rule dialogs
  std::string contextTranslations;    // context-rule dialogs other than ContextWord
  int wordClass = word_class::kNoun;  // the word class in effect while the checks run
  int ruleType = rule_type::kNone;    // rule dialogs; disambiguation: the Type list's choice
  int range = 0;                      // ContextWord rules: the Range list's number
};

struct EntryAcceptance {
  std::vector<EntryMessage> messages;  // in order; a blocking message is the last one
  int position = -1;                   // the stored entry's index; -1 when blocked

  bool Accepted() const { return position >= 0; }
};

// The dialog that edits the entries of a kind of dictionary.
EntryDialog DialogFor(DictionaryKind kind);

// Runs the checks of the entry dialog and, when none blocks, creates the entry (existing
// index -1) or updates the entry at the index, then gives the notes that follow a save. A
// blocking message leaves the dictionary untouched, and so does a rule type that is not of
// the dictionary's kind (no message: the dialogs offer none such).
EntryAcceptance AcceptEntry(Vocabulary& vocabulary, const EntryForm& form, int existingIndex);

}  // namespace vorla

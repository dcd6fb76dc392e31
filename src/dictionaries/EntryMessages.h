#pragma once

#include <string>

#include "common/Bilingual.h"
#include "config/MessageBox.h"

namespace vorla {

// The entry dialogs: word (Terms), phrase (Phrases), context-rule and disambiguation.
enum class EntryDialog { Word, Phrase, ContextRule, Disambiguation };

// The messages of an entry dialog's acceptance.
enum class EntryMessageKey {
  E1 = 1,
  E2,
  E3,
  E4,
  E5,
  E6,
  E7,
  E8,
  E9,
  E10,
  E11,
  E12,
  E13,
  E14,
  E15,
  E16,
  E17,
  E18,
  E19,
  E20,
  E21,
  E22,
  E23,
  E24,
  E25,
  E26,
  E27,
  E28,
  E29,
};

// Which of a key's texts applies where the dialog alone does not decide: E2 in a rule dialog
// for an illegal character (not a bad word start), E19 for a translation of only white space.
enum class MessageVariant { Default, Alternative };

struct EntryMessage {
  EntryMessageKey key;
  BilingualText text;
  MessageIcon icon;
  bool blocks = false;   // the entry is not stored and the dialog stays open
  std::string argument;  // UTF-8, replaces "@1"

  std::string Format(UiLanguage language) const { return FormatMessage(text, language, argument); }
};

EntryMessage MakeEntryMessage(EntryMessageKey key, EntryDialog dialog,
                              MessageVariant variant = MessageVariant::Default);

}  // namespace vorla

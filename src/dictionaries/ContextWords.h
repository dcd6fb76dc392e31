#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "dictionaries/UserLexicalRuleEntry.h"

namespace vorla {

// Typed: text from a dialog or an importer, which gives both forms. Stored: the stored form
// read back, which is kept as it is and only gives the display form.
enum class ContextTextForm { Typed = 0, Stored = 1 };

struct ContextParseResult {
  bool changed = false;  // the display form differed and the rule's list was replaced
  bool tooLong = false;  // items were refused because the list would reach 400 bytes
  std::optional<std::uint8_t> offending;  // context words: the first suspicious byte
  bool parameterWarning = false;          // translations: a bad parameter in an item
  int count = 0;
};

// The rule's context words from a comma-separated list. An item whose byte the stream cannot
// carry is left out and reported as the offending byte.
ContextParseResult ParseContextWords(UserLexicalRuleEntry& rule, std::string_view text,
                                     ContextTextForm form = ContextTextForm::Typed);

// The translations of the rule's context words; an empty item stands as "-". A typed item may
// end in an inflection parameter, "word(P)" or "word(P1;P2)", stored in coded form. An item
// whose byte the stream cannot carry stands as "-" with a parameter warning.
ContextParseResult ParseContextTranslations(UserLexicalRuleEntry& rule, std::string_view text,
                                            ContextTextForm form);

}  // namespace vorla

// The checks that importers feed with file content: the entry text check of every kind and
// side, typed context-word translations, and the multi-word split of what the check accepts.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "dictionaries/ContextWords.h"
#include "dictionaries/EntryTextCheck.h"
#include "dictionaries/MultiWordTerm.h"
#include "dictionaries/UserLexicalRuleEntry.h"
#include "dictionaries/Vocabulary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::uint8_t choice = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  vorla::Vocabulary vocabulary;
  vocabulary.header.vocsubtype = static_cast<vorla::DictionaryKind>(choice & 3);
  vocabulary.header.srclan = (choice >> 2) & 1;
  vocabulary.header.tgtlan = 1 - vocabulary.header.srclan;
  const auto side = (choice & 8) ? vorla::TextSide::Source : vorla::TextSide::Translation;
  const vorla::CheckedText checked = vorla::CheckEntryText(vocabulary, text, side);
  if (checked.result == vorla::EntryTextResult::TextOk) {
    if (checked.text.size() > vorla::entry_limit::kField) __builtin_trap();
    const vorla::MultiWordParts parts = vorla::SplitMultiWordTerm(checked.text, choice >> 4);
    (void)vorla::JoinMultiWordTerm(parts, choice >> 4);
  }
  vorla::UserLexicalRuleEntry rule;
  const vorla::ContextParseResult translations =
      vorla::ParseContextTranslations(rule, text, vorla::ContextTextForm::Typed);
  if (rule.contextwordstr.stored.size() >= vorla::entry_limit::kField + 1 || translations.count < 0)
    __builtin_trap();
  vorla::ParseContextWords(rule, text);
  if (rule.contextwords.stored.size() >= vorla::entry_limit::kField + 1) __builtin_trap();
  return 0;
}

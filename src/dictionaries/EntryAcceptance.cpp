#include "dictionaries/EntryAcceptance.h"

#include <algorithm>

#include "common/Utf8.h"
#include "common/Windows1252.h"
#include "dictionaries/AdjAttrMark.h"
#include "dictionaries/CharacterClasses.h"
#include "dictionaries/ContextWords.h"
#include "dictionaries/EntryTextCheck.h"
#include "dictionaries/InvertedTerm.h"
#include "dictionaries/TypedText.h"
#include "dictionaries/VocabularyCompEntry.h"
#include "dictionaries/WordForms.h"
#include "dictionaries/Words.h"

namespace vorla {

namespace {

using Key = EntryMessageKey;

constexpr std::size_t kDialogField = 400;  // a dialog's text field holds 399 bytes
constexpr std::size_t kMaxHeadWord = 199;
constexpr int kMaxRange = 100;

// '?' and control bytes make no sense in a message; the text without a character is shown.
bool IsReportable(std::uint8_t c) {
  return c != '?' && c >= 0x20;
}

std::string ByteText(std::uint8_t c) {
  return Cp1252ToUtf8(std::string(1, static_cast<char>(c)));
}

std::string CharacterText(char32_t c) {
  std::string text;
  AppendUtf8(text, c);
  return text;
}

// A context field as Windows-1252; the first character without a byte when there is one.
std::optional<char32_t> ToWindows1252(std::string_view utf8, std::string& out) {
  for (Utf8Decoder decoder(utf8); !decoder.AtEnd();) {
    const char32_t c = decoder.Next().value_or(kReplacementCharacter);
    const auto byte = CodePointToCp1252(c);
    if (!byte) return c;
    out.push_back(static_cast<char>(*byte));
  }
  return std::nullopt;
}

// The word that ends right before the first '*', or the last word.
std::string_view HeadWord(std::string_view source) {
  const std::string_view marked = source.substr(0, source.find('*'));
  const std::size_t blank = marked.rfind(' ');
  return blank == std::string_view::npos ? marked : marked.substr(blank + 1);
}

bool StartsWithArticle(std::string_view text) {
  for (const std::string_view article : {"a ", "an ", "the "}) {
    if (StartsWithNoCase(text, article) &&
        text.find_first_not_of(" \t", article.size()) != std::string_view::npos) {
      return true;
    }
  }
  return false;
}

bool IsRule(const VocabularyEntry& entry) {
  return entry.entryclass == EntryClass::LexicalRule || entry.entryclass == EntryClass::DisambRule;
}

// What an entry keeps when its source or word class changes and it is made anew.
void CopyContent(const VocabularyEntry& from, VocabularyEntry& to) {
  to.target = from.target;
  to.srcattr = from.srcattr;
  to.tgtattr = from.tgtattr;
  if (IsRule(from) && IsRule(to)) {
    const auto& fromRule = static_cast<const UserLexicalRuleEntry&>(from);
    auto& toRule = static_cast<UserLexicalRuleEntry&>(to);
    toRule.option = fromRule.option;
    toRule.range = fromRule.range;
    toRule.contextwords = fromRule.contextwords;
    toRule.contextwordstr = fromRule.contextwordstr;
  }
}

class Acceptor {
 public:
  Acceptor(Vocabulary& vocabulary, const EntryForm& form, int existingIndex)
      : vocabulary_(vocabulary),
        form_(form),
        dialog_(DialogFor(vocabulary.header.vocsubtype)),
        wordClass_(form.wordClass) {
    if (existingIndex >= 0 && existingIndex < vocabulary.count()) {
      existing_ = &vocabulary.At(existingIndex);
    }
  }

  EntryAcceptance Run() {
    // The dialogs offer only the kind's rule types; a rule of another type could never be
    // read back, so it is neither made nor given to an existing rule.
    if (IsRuleDialog() && !IsRuleTypeOf(vocabulary_.header.vocsubtype, form_.ruleType)) {
      return std::move(result_);
    }
    if (CheckSource() && CheckSourceWord() && CheckTranslation() && CheckContextFields() &&
        Store()) {
      ReportAfterSave();
      result_.position = vocabulary_.IndexOf(entry_);
    }
    return std::move(result_);
  }

 private:
  bool IsRuleDialog() const {
    return dialog_ == EntryDialog::ContextRule || dialog_ == EntryDialog::Disambiguation;
  }
  bool MarksTranslation() const {
    return dialog_ == EntryDialog::Word || dialog_ == EntryDialog::ContextRule;
  }
  bool EnglishSource() const { return vocabulary_.header.srclan == language::kEnglish; }

  EntryMessage& Add(Key key, std::string argument, MessageVariant variant) {
    EntryMessage message = MakeEntryMessage(key, dialog_, variant);
    message.argument = std::move(argument);
    return result_.messages.emplace_back(std::move(message));
  }
  bool Block(Key key, std::string argument = {}, MessageVariant variant = {}) {
    Add(key, std::move(argument), variant).blocks = true;
    return false;
  }
  void Note(Key key, std::string argument = {}) {
    Add(key, std::move(argument), MessageVariant::Default);
  }

  bool CheckSource();
  bool CheckSourceWord();
  bool CheckTranslation();
  bool CheckContextFields();
  bool Store();
  void ReportAfterSave();
  void NoteWordForm();

  Vocabulary& vocabulary_;
  const EntryForm& form_;
  EntryDialog dialog_;
  int wordClass_;
  VocabularyEntry* existing_ = nullptr;
  VocabularyEntry* entry_ = nullptr;
  std::string source_;
  std::string translation_;
  std::string contextWords_;
  std::string contextTranslations_;
  bool articleNoted_ = false;
  EntryAcceptance result_;
};

bool Acceptor::CheckSource() {
  TypedText typed = ConvertTypedText(form_.source, TextSide::Source);
  if (typed.result == TypedTextResult::IllegalChar) {
    return Block(Key::E1, CharacterText(typed.offending));
  }
  if (typed.result == TypedTextResult::TooLong) return Block(Key::E6);
  if (dialog_ != EntryDialog::Phrase) RewriteInvertedTerm(typed.bytes, kDialogField);
  CheckedText checked = CheckEntryText(vocabulary_, typed.bytes, TextSide::Source);
  const std::uint8_t c = checked.offending;
  switch (checked.result) {
    case EntryTextResult::TextOk:
      source_ = std::move(checked.text);
      return true;
    case EntryTextResult::TextIllegalChar:
      return IsReportable(c) ? Block(Key::E3, ByteText(c))
                             : Block(Key::E2, {}, MessageVariant::Alternative);
    case EntryTextResult::TextBadStart:
      return IsReportable(c) ? Block(Key::E4, ByteText(c)) : Block(Key::E2);
    case EntryTextResult::TextFixedPhrase:
      return Block(Key::E5);
    case EntryTextResult::TextTooLong:
    case EntryTextResult::TextPhraseTooLong:
      return Block(Key::E6);
    case EntryTextResult::TextBadStar:
    case EntryTextResult::TextEmpty:
      break;
  }
  return Block(form_.source.empty() ? Key::E7 : Key::E8);
}

bool Acceptor::CheckSourceWord() {
  if (dialog_ == EntryDialog::Phrase) return true;
  if (EnglishSource()) {
    const std::string_view head = HeadWord(source_);
    if (!head.empty() && head.size() <= kMaxHeadWord) {
      if (IsGenitiveForm(head)) return Block(Key::E9);
      if (head.find('\'') != std::string_view::npos) return Block(Key::E10, "'");
    }
  }
  if (IsAuxiliaryVerb(vocabulary_, source_)) return Block(Key::E11, Cp1252ToUtf8(source_));
  if (!EnglishSource()) return true;
  if (wordClass_ == word_class::kVerb && source_.size() > 3 && StartsWithNoCase(source_, "to ")) {
    return Block(Key::E12);
  }
  if ((wordClass_ == word_class::kNoun || wordClass_ == word_class::kProp) &&
      StartsWithArticle(source_)) {
    Note(Key::E13);
    articleNoted_ = true;
  }
  return true;
}

bool Acceptor::CheckTranslation() {
  if (dialog_ == EntryDialog::Disambiguation) {
    wordClass_ = DisambRuleWordClass(form_.ruleType);
    return true;
  }
  TypedText typed = ConvertTypedText(form_.translation, TextSide::Translation);
  if (typed.result == TypedTextResult::IllegalChar) {
    return Block(Key::E14, CharacterText(typed.offending));
  }
  if (typed.result == TypedTextResult::TooLong) return Block(Key::E18);
  CheckedText checked = CheckEntryText(vocabulary_, typed.bytes, TextSide::Translation);
  const std::uint8_t c = checked.offending;
  switch (checked.result) {
    case EntryTextResult::TextOk:
      translation_ = std::move(checked.text);
      return true;
    case EntryTextResult::TextIllegalChar:
      return IsReportable(c) ? Block(Key::E15, ByteText(c)) : Block(Key::E17);
    case EntryTextResult::TextBadStart:
      return IsReportable(c) ? Block(Key::E16, ByteText(c)) : Block(Key::E17);
    case EntryTextResult::TextTooLong:
    case EntryTextResult::TextPhraseTooLong:
      return Block(Key::E18);
    default:
      break;
  }
  return Block(Key::E19, {},
               form_.translation.empty() ? MessageVariant::Default : MessageVariant::Alternative);
}

bool Acceptor::CheckContextFields() {
  if (!IsRuleDialog()) return true;
  // A character without a Windows-1252 byte is refused, never replaced by a look-alike.
  if (const auto bad = ToWindows1252(form_.contextWords, contextWords_)) {
    return Block(Key::E28, CharacterText(*bad));
  }
  if (contextWords_.size() >= kDialogField) return Block(Key::E20);
  if (TrimWhiteSpace(contextWords_).empty()) return Block(Key::E21);
  if (dialog_ != EntryDialog::ContextRule) return true;
  if (const auto bad = ToWindows1252(form_.contextTranslations, contextTranslations_)) {
    return Block(Key::E28, CharacterText(*bad));
  }
  if (contextTranslations_.size() >= kDialogField) return Block(Key::E22);
  return true;
}

bool Acceptor::Store() {
  const DictionaryKind kind = vocabulary_.header.vocsubtype;
  const bool remake = !existing_ || existing_->source != source_ ||
                      (kind == DictionaryKind::Normal && existing_->scat != wordClass_);
  // Terms and phrases do not take an equal source twice (phrases whatever the word class).
  if (remake && (kind == DictionaryKind::Normal || kind == DictionaryKind::Phrases)) {
    const int same = vocabulary_.IndexOfSource(source_, wordClass_);
    if (same >= 0 && &vocabulary_.At(same) != existing_) {
      return Block(Key::E23, Cp1252ToUtf8(source_));
    }
  }
  if (remake) {
    const CreatedEntry created =
        vocabulary_.CreateEntry(source_, wordClass_, form_.ruleType, false);
    if (!created) return Block(Key::E6);  // the head of a multi-word term is over 99 bytes
    if (existing_) {
      CopyContent(*existing_, *created.entry);
      vocabulary_.RemoveAt(vocabulary_.IndexOf(existing_));
    }
    entry_ = created.entry;
  } else {
    entry_ = existing_;
  }
  if (kind != DictionaryKind::Phrases) entry_->scat = wordClass_;
  if (IsRule(*entry_)) entry_->ruletype = form_.ruleType;
  if (dialog_ != EntryDialog::Disambiguation) entry_->target = translation_;
  return true;
}

void Acceptor::NoteWordForm() {
  const std::string_view examined = entry_->entryclass == EntryClass::CompTerm
                                        ? static_cast<VocabularyCompEntry&>(*entry_).head
                                        : entry_->source;
  const std::size_t n = examined.size();
  const bool endsInS = n >= 3 && examined.back() == 's';
  const bool noun = wordClass_ == word_class::kNoun || wordClass_ == word_class::kProp;
  if (noun && endsInS && examined[n - 2] != 's' && IsConsonant(ByteAt(examined, n - 2))) {
    Note(Key::E24);
  } else if (wordClass_ == word_class::kVerb && endsInS) {
    Note(Key::E25);
  } else if (IsGenitiveForm(examined)) {
    Note(Key::E26);
  } else if (examined.find('\'') != std::string_view::npos) {
    Note(Key::E27, "'");
  }
}

void Acceptor::ReportAfterSave() {
  if (MarksTranslation()) {
    if (EnglishSource() && !articleNoted_) NoteWordForm();
    const int marked = ExtractAdjAttrMark(entry_->target);
    if (marked > 0) {
      entry_->tgtattr.Set(attr::kTgtAdjAttr, marked);
    } else {
      entry_->tgtattr.Remove(attr::kTgtAdjAttr);
    }
  }
  if (!IsRuleDialog()) return;
  auto& rule = static_cast<UserLexicalRuleEntry&>(*entry_);
  const ContextParseResult words = ParseContextWords(rule, contextWords_);
  if (words.tooLong) {
    Note(Key::E20);
  } else if (words.offending) {
    Note(Key::E28, ByteText(*words.offending));
  }
  if (dialog_ != EntryDialog::ContextRule) return;
  if (form_.ruleType == rule_type::kContextWord) {
    rule.range = std::clamp(form_.range, 0, kMaxRange);
    return;
  }
  const ContextParseResult translations =
      ParseContextTranslations(rule, contextTranslations_, ContextTextForm::Typed);
  if (translations.tooLong) Note(Key::E22);
  if (translations.parameterWarning) Note(Key::E29);
}

}  // namespace

EntryDialog DialogFor(DictionaryKind kind) {
  switch (kind) {
    case DictionaryKind::Phrases:
      return EntryDialog::Phrase;
    case DictionaryKind::ContextRules:
      return EntryDialog::ContextRule;
    case DictionaryKind::Disambiguation:
      return EntryDialog::Disambiguation;
    case DictionaryKind::Normal:
      break;
  }
  return EntryDialog::Word;
}

EntryAcceptance AcceptEntry(Vocabulary& vocabulary, const EntryForm& form, int existingIndex) {
  return Acceptor(vocabulary, form, existingIndex).Run();
}

}  // namespace vorla

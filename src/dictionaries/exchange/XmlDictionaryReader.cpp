// Reading the XML exchange document: a pull over its elements, in which text belongs to the
// innermost open element of the table, header elements count inside the header before the
// first entry, and each entry is checked and stored at its end.
#include <array>
#include <charconv>
#include <optional>
#include <vector>

#include "common/Cp1252Import.h"
#include "common/Utf8.h"
#include "common/Windows1252.h"
#include "common/XmlPullReader.h"
#include "dictionaries/AdjAttrMark.h"
#include "dictionaries/AttributeCodes.h"
#include "dictionaries/AttributeValues.h"
#include "dictionaries/CharacterClasses.h"
#include "dictionaries/ContextWords.h"
#include "dictionaries/DictionaryKind.h"
#include "dictionaries/EntryTextCheck.h"
#include "dictionaries/InvertedTerm.h"
#include "dictionaries/RuleTypes.h"
#include "dictionaries/UserLexicalRuleEntry.h"
#include "dictionaries/VocabularyEntry.h"
#include "dictionaries/Words.h"
#include "dictionaries/exchange/ElementPull.h"
#include "dictionaries/exchange/ExchangeErrors.h"
#include "dictionaries/exchange/ImportNotes.h"
#include "dictionaries/exchange/XmlDictionary.h"

namespace vorla {
namespace {

enum class Element {
  Header,
  Name,
  SourceLan,
  TargetLan,
  Description,
  Type,
  Entry,
  Source,
  Target,
  SCat,
  SubCat,
  SemAct,
  SemSpat,
  CompN,
  Number,
  TgtInfl,
  TgtDInfl,
  TgtGrade,
  TgtGCase,
  TNumber,
  RuleType,
  ContextWords,
  ContextWordsTr,
  Range,
};

struct NamedElement {
  std::string_view name;
  Element element;
};

constexpr auto kElements = std::to_array<NamedElement>({
    {"header", Element::Header},
    {"name", Element::Name},
    {"sourcelan", Element::SourceLan},
    {"targetlan", Element::TargetLan},
    {"description", Element::Description},
    {"type", Element::Type},
    {"entry", Element::Entry},
    {"source", Element::Source},
    {"target", Element::Target},
    {"scat", Element::SCat},
    {"subcat", Element::SubCat},
    {"semact", Element::SemAct},
    {"semspat", Element::SemSpat},
    {"compn", Element::CompN},
    {"number", Element::Number},
    {"tgtinfl", Element::TgtInfl},
    {"tgtdinfl", Element::TgtDInfl},
    {"tgtgrade", Element::TgtGrade},
    {"tgtgcase", Element::TgtGCase},
    {"tnumber", Element::TNumber},
    {"ruletype", Element::RuleType},
    {"contextwords", Element::ContextWords},
    {"contextwordstr", Element::ContextWordsTr},
    {"range", Element::Range},
});

// A prefixed name ("x:source") matches nothing.
std::optional<Element> FindElement(std::string_view name) {
  for (const NamedElement& row : kElements)
    if (EqualsNoCase(row.name, name)) return row.element;
  return std::nullopt;
}

bool IsHeaderElement(Element e) {
  return e == Element::Name || e == Element::SourceLan || e == Element::TargetLan ||
         e == Element::Description || e == Element::Type;
}

// Header elements that would change the kind or the pair under entries already read.
bool ChangesTheDictionary(Element e) {
  return e == Element::SourceLan || e == Element::TargetLan || e == Element::Type;
}

constexpr std::size_t kMaxNameLength = 255;                  // names and value names
constexpr std::size_t kMaxDescription = 511;                 // bytes of the description kept
constexpr std::size_t kTextField = entry_limit::kField + 1;  // a text of this size is too long
constexpr std::size_t kMaxElementText = 64 * 1024;  // what the reader collects of one element

std::optional<int> LanguageOf(std::string_view text) {
  const std::pair<std::string_view, int> names[] = {
      {"English", language::kEnglish}, {"en", language::kEnglish},
      {"Finnish", language::kFinnish}, {"fi", language::kFinnish},
      {"Swedish", language::kSwedish}, {"sv", language::kSwedish}};
  for (const auto& [name, code] : names)
    if (EqualsNoCase(name, text)) return code;
  return std::nullopt;
}

DictionaryKind KindOf(std::string_view text) {
  for (int k = 1; k < kDictionaryKindCount; ++k) {
    const auto kind = static_cast<DictionaryKind>(k);
    if (EqualsNoCase(KindExchangeName(kind), text)) return kind;
  }
  return DictionaryKind::Normal;
}

// The rule type whose English or Finnish exchange name is the text, ignoring case.
int RuleTypeOf(std::string_view text) {
  for (int code = rule_type::kVerbObject; code <= rule_type::kVerbLeftNoun; ++code) {
    const BilingualText name = RuleTypeExchangeName(code);
    for (std::string_view form : {name.english, name.finnish}) {
      if (!form.empty() && Cp1252CompareNoCase(Utf8ToCp1252(form), text) == 0) return code;
    }
  }
  return rule_type::kNone;
}

// The rule types a rule of the kind is read with; CreateEntry refuses the gaps.
bool InRuleRange(DictionaryKind kind, int type) {
  if (kind == DictionaryKind::ContextRules) return type >= 150 && type <= 158;
  return type >= rule_type::kNounLeftNoun && type <= rule_type::kVerbLeftNoun;
}

// The entry being read.
struct EntryFields {
  explicit EntryFields(DictionaryKind kind)
      : scat(kind == DictionaryKind::Normal ? word_class::kNoun : word_class::kNoSCat) {}
  std::string source, target, contextwords, contextwordstr;
  int scat;
  bool scatGiven = false;
  std::optional<int> subcat, semact, semspat;
  int compn = 0, number = 0, tgtinfl = 0, tgtdinfl = 0, tgtgrade = 0, tgtgcase = 0, tnumber = 0;
  int ruletype = rule_type::kNone;
  int range = 0;
  bool tooLong = false;
  bool invalid = false;  // a text the stream cannot carry
};

class XmlDictionaryReader {
 public:
  XmlDictionaryReader(ImportTarget& target, const XmlReadOptions& options, std::uint32_t& notes)
      : target_(target), vocabulary_(target.Dictionary()), options_(options), notes_(notes) {}

  int Read(XmlPullReader& reader) {
    return PullElements(
        reader, exchange_error::kXmlFile, [&] { return Start(FindElement(reader.Name())); },
        [&](std::string_view text, bool truncated) { AddText(text, truncated); },
        [&] { return End(); });
  }

 private:
  struct Open {
    std::optional<Element> element;
    std::string text;
    bool truncated = false;
  };

  DictionaryKind Kind() const { return vocabulary_.header.vocsubtype; }

  std::vector<Open>::const_reverse_iterator Innermost() const {
    return open_.crbegin() + static_cast<std::ptrdiff_t>(open_.size() - depth_);
  }
  std::vector<Open>::reverse_iterator Innermost() {
    return open_.rbegin() + static_cast<std::ptrdiff_t>(open_.size() - depth_);
  }

  int Start(std::optional<Element> element) {
    if (element && IsHeaderElement(*element) && entrySeen_ && ChangesTheDictionary(*element))
      return exchange_error::kXmlFile;
    if (element == Element::Entry) {
      entrySeen_ = true;
      entry_.emplace(Kind());
    }
    if (depth_ == open_.size()) open_.emplace_back();
    Open& open = open_[depth_++];
    open.element = element;
    open.text.clear();
    open.truncated = false;
    return 0;
  }

  // Text belongs to the innermost open element of the table.
  void AddText(std::string_view text, bool truncated) {
    for (auto it = Innermost(); it != open_.rend(); ++it) {
      if (!it->element) continue;
      if (it->text.size() + text.size() > kMaxElementText) {
        it->text.append(Utf8Prefix(text, kMaxElementText - it->text.size()));
        it->truncated = true;
      } else {
        it->text.append(text);
      }
      it->truncated |= truncated;
      return;
    }
  }

  int End() {
    if (depth_ == 0) return 0;
    const Open& closed = open_[--depth_];  // kept until the next start tag reuses it
    if (!closed.element) return 0;
    const Element element = *closed.element;
    if (element == Element::Header) return EndHeader();
    if (element == Element::Entry) return EndEntry();
    if (IsHeaderElement(element)) return InHeader() ? HeaderValue(element, closed) : 0;
    if (entry_ && InEntry()) return EntryValue(element, closed);
    return 0;
  }

  // The innermost open element of the table.
  std::optional<Element> Enclosing() const {
    for (auto it = Innermost(); it != open_.crend(); ++it)
      if (it->element) return it->element;
    return std::nullopt;
  }
  bool InHeader() const { return !entrySeen_ && Enclosing() == Element::Header; }
  bool InEntry() const { return Enclosing() == Element::Entry; }

  // Names and value names: longer than 255 characters counts as empty.
  static std::string ValueName(const Open& closed) {
    std::string text = ImportedTextToCp1252(closed.text, ImportedTextRole::Other);
    if (closed.truncated || text.size() > kMaxNameLength) text.clear();
    return text;
  }

  int HeaderValue(Element element, const Open& closed) {
    VocabularyHeader& header = vocabulary_.header;
    switch (element) {
      case Element::Name:
        if (!name_) name_ = ValueName(closed);
        return 0;
      case Element::SourceLan:
      case Element::TargetLan: {
        const std::optional<int> code = LanguageOf(ValueName(closed));
        if (!code) return 0;
        (element == Element::SourceLan ? srclan_ : tgtlan_) = *code;
        return srclan_ && tgtlan_ ? target_.SetLanguagePair(*srclan_, *tgtlan_) : 0;
      }
      case Element::Description: {
        std::string description = ImportedTextToCp1252(closed.text, ImportedTextRole::Other);
        if (closed.truncated || description.size() > kMaxDescription) {
          description.resize(std::min(description.size(), kMaxDescription));
          notes_ |= import_note::kDescriptionCut;
        }
        if (description != header.description) {
          header.description = std::move(description);
          target_.MarkModified();
        }
        return 0;
      }
      case Element::Type: {
        const DictionaryKind kind = KindOf(ValueName(closed));
        if (options_.merge && kind != Kind()) return exchange_error::kOtherKind;
        header.vocsubtype = kind;
        return 0;
      }
      default:
        return 0;
    }
  }

  int EndHeader() {
    if (entrySeen_) return 0;
    if (!name_ || name_->empty()) return exchange_error::kInvalid;
    if (options_.keepName) return 0;
    return target_.SetName(*name_);
  }

  // A source or target checked for the dictionary: the normalised text, or the error that
  // ends the import.
  int CheckedText(const Open& closed, TextSide side, std::string& into) {
    EntryFields& entry = *entry_;
    std::string text = ImportedTextToCp1252(
        closed.text, side == TextSide::Source ? ImportedTextRole::Source : ImportedTextRole::Other);
    if (closed.truncated || text.size() >= kTextField) {
      entry.tooLong = true;
      return 0;
    }
    if (side == TextSide::Source && Kind() == DictionaryKind::Normal)
      text.resize(RewriteInvertedTerm(text, kTextField));
    const vorla::CheckedText checked = CheckEntryText(vocabulary_, text, side);
    switch (checked.result) {
      case EntryTextResult::TextOk:
      case EntryTextResult::TextEmpty:
        into = checked.text;
        return 0;
      case EntryTextResult::TextTooLong:
      case EntryTextResult::TextPhraseTooLong:
        entry.tooLong = true;
        return 0;
      case EntryTextResult::TextFixedPhrase:
        if (side != TextSide::Source) return exchange_error::kInvalid;
        into.clear();
        notes_ |= import_note::kFixedPhrase;
        return 0;
      case EntryTextResult::TextIllegalChar:
        if (IsUnstorable(checked.offending)) {
          entry.invalid = true;
          return 0;
        }
        return exchange_error::kInvalid;
      default:
        return exchange_error::kInvalid;
    }
  }

  static int TableValue(int code, const std::string& name) {
    return FindAttributeValue(code, name).value_or(0);
  }

  int EntryValue(Element element, const Open& closed) {
    EntryFields& entry = *entry_;
    switch (element) {
      case Element::Source:
        return CheckedText(closed, TextSide::Source, entry.source);
      case Element::Target:
        return CheckedText(closed, TextSide::Translation, entry.target);
      case Element::ContextWords:
      case Element::ContextWordsTr: {
        std::string text = ImportedTextToCp1252(closed.text, ImportedTextRole::Other);
        if (closed.truncated || text.size() >= kTextField) {
          entry.tooLong = true;
          notes_ |= import_note::kContextTooLong;
          text.clear();
        }
        (element == Element::ContextWords ? entry.contextwords : entry.contextwordstr) =
            std::move(text);
        return 0;
      }
      default:
        break;
    }
    const std::string name = ValueName(closed);
    switch (element) {
      case Element::SCat:
        entry.scat = TableValue(attr::kSCat, name);
        if (entry.scat == word_class::kNoSCat && Kind() == DictionaryKind::Normal)
          entry.scat = word_class::kNoun;
        entry.scatGiven = true;
        break;
      case Element::SubCat:
        entry.subcat = EqualsNoCase(name, "Intrans") ? std::optional(0)
                                                     : FindAttributeValue(attr::kSubCat, name);
        break;
      case Element::SemAct:
        entry.semact = TableValue(attr::kSemAct, name);
        break;
      case Element::SemSpat:
        entry.semspat = FindAttributeValue(attr::kSemSpat, name);
        break;
      case Element::CompN:
        entry.compn = TableValue(attr::kCompN, name);
        break;
      case Element::Number:
        entry.number = TableValue(attr::kNumber, name);
        break;
      case Element::TNumber:
        entry.tnumber = TableValue(attr::kNumber, name);
        break;
      case Element::TgtInfl:
        entry.tgtinfl = TableValue(attr::kTgtInfl, name);
        break;
      case Element::TgtDInfl:
        entry.tgtdinfl = TableValue(attr::kTgtDInfl, name);
        break;
      case Element::TgtGrade:
        entry.tgtgrade = TableValue(attr::kTgtGrade, name);
        break;
      case Element::TgtGCase:
        entry.tgtgcase = TableValue(attr::kTgtGCase, name);
        break;
      case Element::Range: {
        const std::string_view text = TrimWhiteSpace(name);
        int range = 0;
        std::from_chars(text.data(), text.data() + text.size(), range);
        entry.range = range;
        break;
      }
      case Element::RuleType:
        entry.ruletype = RuleTypeOf(name);
        RuleTypeWordClass(entry);
        break;
      default:
        break;
    }
    return 0;
  }

  void RuleTypeWordClass(EntryFields& entry) const {
    if (Kind() == DictionaryKind::Disambiguation) {
      if (entry.ruletype != rule_type::kNone) entry.scat = DisambRuleWordClass(entry.ruletype);
    } else if (Kind() == DictionaryKind::ContextRules) {
      // A ContextWord rule keeps the word class it was given.
      if (entry.ruletype != rule_type::kContextWord) {
        entry.scat = ContextRuleWordClass(entry.ruletype);
      } else if (!entry.scatGiven) {
        entry.scat = word_class::kNoun;
      }
    }
  }

  int EndEntry() {
    if (!entry_) return 0;
    const EntryFields entry = std::move(*entry_);
    entry_.reset();
    const DictionaryKind kind = Kind();
    const bool rules =
        kind == DictionaryKind::ContextRules || kind == DictionaryKind::Disambiguation;
    if (rules && !InRuleRange(kind, entry.ruletype)) {
      notes_ |= import_note::kRuleType;
      return 0;
    }
    if (entry.invalid) {
      notes_ |= import_note::kInvalidEntry;
      return 0;
    }
    if (entry.tooLong || entry.source.size() >= kTextField || entry.target.size() >= kTextField) {
      notes_ |= import_note::kTooLong;
      return 0;
    }
    if (entry.source.empty() || (entry.target.empty() && kind != DictionaryKind::Disambiguation))
      return 0;
    if (vocabulary_.count() >= target_.MaxEntries()) return exchange_error::kTruncated;
    const CreatedEntry created =
        vocabulary_.CreateEntry(entry.source, entry.scat, entry.ruletype, options_.merge);
    if (!created) return 0;
    Store(*created.entry, entry);
    return 0;
  }

  void Store(VocabularyEntry& stored, const EntryFields& entry) {
    const DictionaryKind kind = Kind();
    int adjAttr = -1;
    if (kind != DictionaryKind::Disambiguation) {
      stored.target = entry.target;
      if (kind != DictionaryKind::Phrases) adjAttr = ExtractAdjAttrMark(stored.target);
    }
    if (kind == DictionaryKind::ContextRules || kind == DictionaryKind::Disambiguation) {
      auto& rule = static_cast<UserLexicalRuleEntry&>(stored);
      if (entry.contextwords.empty()) {
        notes_ |= import_note::kNoContextWords;
      } else {
        const ContextParseResult words = ParseContextWords(rule, entry.contextwords);
        if (words.offending) notes_ |= import_note::kContextWords;
        if (words.tooLong) notes_ |= import_note::kContextTooLong;
      }
      if (kind == DictionaryKind::ContextRules && entry.ruletype != rule_type::kContextWord &&
          !entry.contextwordstr.empty()) {
        const ContextParseResult translations =
            ParseContextTranslations(rule, entry.contextwordstr, ContextTextForm::Typed);
        if (translations.tooLong) notes_ |= import_note::kContextTooLong;
        if (translations.parameterWarning) notes_ |= import_note::kContextParameters;
      }
      if (kind == DictionaryKind::ContextRules && entry.ruletype == rule_type::kContextWord)
        rule.range = UserLexicalRuleEntry::LimitRange(entry.range);
    }
    if (kind != DictionaryKind::Normal && kind != DictionaryKind::ContextRules) return;
    AttributeList& source = stored.srcattr;
    AttributeList& target = stored.tgtattr;
    if (entry.scat == word_class::kVerb) {
      const int subcat = entry.subcat.value_or(1);
      source.Set(attr::kSubCat, subcat >= 0 && subcat <= 7 ? subcat : 1);
    } else if (entry.subcat.value_or(0) > 0) {
      source.Set(attr::kSubCat, *entry.subcat);
    }
    if (entry.scat == word_class::kNoun || entry.scat == word_class::kProp) {
      if (entry.semact) source.Set(attr::kSemAct, *entry.semact);
      if (entry.semspat) source.Set(attr::kSemSpat, *entry.semspat);
    }
    const std::pair<AttributeList*, std::pair<int, int>> positive[] = {
        {&source, {attr::kCompN, entry.compn}},       {&source, {attr::kNumber, entry.number}},
        {&target, {attr::kTgtInfl, entry.tgtinfl}},   {&target, {attr::kTgtDInfl, entry.tgtdinfl}},
        {&target, {attr::kTgtGrade, entry.tgtgrade}}, {&target, {attr::kTgtGCase, entry.tgtgcase}},
        {&target, {attr::kNumber, entry.tnumber}},    {&target, {attr::kTgtAdjAttr, adjAttr}},
    };
    for (const auto& [list, pair] : positive)
      if (pair.second > 0) list->Set(pair.first, pair.second);
    if (kind == DictionaryKind::Normal) target.Set(attr::kTgtTr, 1);
  }

  ImportTarget& target_;
  Vocabulary& vocabulary_;
  XmlReadOptions options_;
  std::uint32_t& notes_;
  // The open elements are the first depth_; the rest keep their text's room for the next.
  std::vector<Open> open_;
  std::size_t depth_ = 0;
  std::optional<EntryFields> entry_;
  std::optional<std::string> name_;
  std::optional<int> srclan_, tgtlan_;
  bool entrySeen_ = false;
};

}  // namespace

int ReadXmlDictionary(ImportTarget& target, const std::filesystem::path& path,
                      const XmlReadOptions& options, std::uint32_t& notes) {
  notes = 0;
  auto reader = OpenXmlFile(path, {.maxTextBytes = kMaxElementText});
  if (!reader) return exchange_error::kCannotOpen;
  return XmlDictionaryReader(target, options, notes).Read(*reader);
}

}  // namespace vorla

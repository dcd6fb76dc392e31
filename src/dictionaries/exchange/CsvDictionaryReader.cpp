#include "dictionaries/exchange/CsvDictionaryReader.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "dictionaries/AdjAttrMark.h"
#include "dictionaries/AttributeCodes.h"
#include "dictionaries/ContextWords.h"
#include "dictionaries/EntryTextCheck.h"
#include "dictionaries/InvertedTerm.h"
#include "dictionaries/RuleTypes.h"
#include "dictionaries/exchange/CsvCells.h"
#include "dictionaries/exchange/CsvColumns.h"
#include "dictionaries/exchange/CsvSeparator.h"
#include "dictionaries/exchange/CsvValues.h"
#include "dictionaries/exchange/ExchangeErrors.h"
#include "dictionaries/exchange/ImportNotes.h"

namespace vorla {

namespace {

constexpr std::size_t kFieldLimit = 400;        // first and second cells: shorter than this
constexpr std::size_t kHeaderCellLimit = 200;   // header cells from the second on
constexpr std::size_t kNamedCellLimit = 199;    // longer named cells count as absent
constexpr std::size_t kContextCellLimit = 399;  // context words and their translations
constexpr std::size_t kMaxNamedColumns = 14;
constexpr std::size_t kInvertedTermCapacity = 200;
constexpr std::size_t kShortestLine = 3;
constexpr int kTitle = 13;
constexpr int kLastVerbSubCat = 7;

bool IsNounLike(int scat) {
  return scat == word_class::kNoun || scat == word_class::kProp;
}

// The lines of a text: a line ends at a line feed, without the carriage return before it.
class Lines {
 public:
  explicit Lines(std::string_view text) : text_(text) {}

  std::optional<std::string_view> Next() {
    if (pos_ >= text_.size()) return std::nullopt;
    const std::size_t end = text_.find('\n', pos_);
    std::string_view line =
        text_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
    pos_ = end == std::string_view::npos ? text_.size() : end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// The cells of one line: the first, the second, and the named ones after them.
struct RowCells {
  CsvCell first;
  std::optional<CsvCell> second;
  std::vector<CsvCell> named;
};

// A line worth reading: at least three bytes and a first cell that ends.
std::optional<RowCells> SplitRow(std::string_view line, char separator) {
  if (line.size() < kShortestLine) return std::nullopt;
  CsvLineCells cells(line, separator);
  std::optional<CsvCell> first = cells.Next();
  if (!first || !first->hasEnd) return std::nullopt;
  RowCells row{*first, cells.Next(), {}};
  while (std::optional<CsvCell> cell = cells.Next())
    row.named.push_back(*cell);
  return row;
}

// What the header says: the kind, and which named field (counted after the second cell)
// holds each column.
struct TableLayout {
  DictionaryKind kind = DictionaryKind::Normal;
  bool hasHeader = false;
  std::array<int, kCsvColumnCount> field{};

  TableLayout() { field.fill(-1); }
  bool Has(CsvColumn column) const { return field[static_cast<std::size_t>(column)] >= 0; }
};

std::optional<DictionaryKind> KindOfFirstHeaderCell(std::string_view cell) {
  switch (FindCsvLeadColumn(cell).value_or(CsvLeadColumn::Translation)) {
    case CsvLeadColumn::Term:
      return DictionaryKind::Normal;
    case CsvLeadColumn::Phrase:
      return DictionaryKind::Phrases;
    case CsvLeadColumn::SourceWord:
      return DictionaryKind::ContextRules;
    default:
      return std::nullopt;
  }
}

TableLayout ReadLayout(const std::optional<RowCells>& row) {
  TableLayout layout;
  if (!row || row->first.raw.size() >= kFieldLimit) return layout;
  const std::optional<DictionaryKind> kind = KindOfFirstHeaderCell(row->first.Value());
  if (!kind) return layout;
  layout.kind = *kind;
  layout.hasHeader = true;
  const std::optional<CsvCell>& second = row->second;
  if (!second || !second->hasEnd || second->raw.size() >= kHeaderCellLimit) return layout;
  const std::optional<CsvLeadColumn> lead = FindCsvLeadColumn(second->Value());
  if (lead == CsvLeadColumn::Translation) {
    // The kind stays.
  } else if (layout.kind == DictionaryKind::ContextRules && lead == CsvLeadColumn::ContextWords) {
    layout.kind = DictionaryKind::Disambiguation;
  } else {
    layout.kind = DictionaryKind::Normal;
    return layout;
  }
  for (std::size_t i = 0; i < row->named.size() && i < kMaxNamedColumns; ++i) {
    const CsvCell& cell = row->named[i];
    if (cell.raw.size() >= kHeaderCellLimit) continue;
    const std::optional<CsvColumn> column = FindCsvColumn(cell.Value());
    if (column && !layout.Has(*column)) {
      layout.field[static_cast<std::size_t>(*column)] = static_cast<int>(i);
    }
  }
  if (layout.kind == DictionaryKind::ContextRules) {
    layout.field[static_cast<std::size_t>(CsvColumn::SubCategory)] = -1;
  }
  return layout;
}

enum class RowOutcome { Read, Skipped, Invalid, Refused, LimitReached };

class TableReader {
 public:
  TableReader(Vocabulary& vocabulary, const TableLayout& layout, bool merge, std::uint32_t& notes,
              std::size_t maxEntries)
      : vocabulary_(vocabulary),
        layout_(layout),
        kind_(layout.kind),
        merge_(merge),
        finnishSource_(vocabulary.header.srclan == language::kFinnish),
        notes_(notes),
        maxEntries_(maxEntries) {}

  RowOutcome ReadRow(const RowCells& row) {
    row_ = &row;
    if (row.first.raw.size() >= kFieldLimit) return TooLong();
    if (layout_.Has(CsvColumn::ImportMark) && !IsImportMarked(Named(CsvColumn::ImportMark))) {
      return RowOutcome::Skipped;
    }
    std::string source = row.first.Value();
    ReplaceHyphenReference(source);
    if (kind_ == DictionaryKind::Normal) RewriteInvertedTerm(source, kInvertedTermCapacity);
    CheckedText checkedSource = CheckEntryText(vocabulary_, source, TextSide::Source);
    switch (checkedSource.result) {
      case EntryTextResult::TextOk:
        break;
      case EntryTextResult::TextTooLong:
      case EntryTextResult::TextPhraseTooLong:
        return TooLong();
      case EntryTextResult::TextFixedPhrase:
        notes_ |= import_note::kFixedPhrase;
        return RowOutcome::Skipped;
      default:
        return RowOutcome::Invalid;
    }
    if (row.second && row.second->raw.size() >= kFieldLimit) return TooLong();
    const std::string second = row.second ? row.second->Value() : std::string();
    CheckedText checkedSecond = CheckEntryText(vocabulary_, second, TextSide::Translation);
    if (checkedSecond.result == EntryTextResult::TextTooLong ||
        checkedSecond.result == EntryTextResult::TextPhraseTooLong) {
      return TooLong();
    }
    if (checkedSecond.result != EntryTextResult::TextOk) return RowOutcome::Invalid;

    int wordClass = word_class::kNoun;
    if ((kind_ == DictionaryKind::Normal || kind_ == DictionaryKind::ContextRules) &&
        layout_.Has(CsvColumn::WordClass)) {
      const std::optional<int> read = ReadWordClassCell(Named(CsvColumn::WordClass));
      if (kind_ == DictionaryKind::Normal) {
        if (!read || (finnishSource_ && *read != word_class::kNoun)) {
          notes_ |= import_note::kWordClass;
          return RowOutcome::Skipped;
        }
      }
      wordClass = read.value_or(word_class::kNoun);
    }
    int ruleType = rule_type::kNone;
    if (kind_ == DictionaryKind::ContextRules || kind_ == DictionaryKind::Disambiguation) {
      const std::optional<int> read = ReadRuleTypeCell(Named(CsvColumn::Type));
      if (!read || !IsRuleTypeOf(kind_, *read)) {
        notes_ |= import_note::kRuleType;
        return RowOutcome::Invalid;
      }
      ruleType = *read;
      if (kind_ == DictionaryKind::Disambiguation) {
        wordClass = DisambRuleWordClass(ruleType);
      } else if (ruleType != rule_type::kContextWord) {
        wordClass = ContextRuleWordClass(ruleType);
      }
    }

    if (static_cast<std::size_t>(vocabulary_.count()) >= maxEntries_) {
      return RowOutcome::LimitReached;
    }
    const CreatedEntry created =
        vocabulary_.CreateEntry(checkedSource.text, wordClass, ruleType, merge_);
    if (!created) {
      notes_ |= import_note::kEntryRefused;
      return RowOutcome::Refused;
    }
    Fill(*created.entry, std::move(checkedSecond.text));
    return RowOutcome::Read;
  }

 private:
  RowOutcome TooLong() {
    notes_ |= import_note::kTooLong;
    return RowOutcome::Invalid;
  }

  CsvNamedCell Named(CsvColumn column, std::size_t limit = kNamedCellLimit) const {
    const int field = layout_.field[static_cast<std::size_t>(column)];
    if (field < 0 || static_cast<std::size_t>(field) >= row_->named.size()) return std::nullopt;
    std::string value = row_->named[static_cast<std::size_t>(field)].Value();
    if (value.size() > limit) return std::nullopt;
    return value;
  }

  static void ReplaceHyphenReference(std::string& text) {
    constexpr std::string_view kReference = "&#8209;";
    std::size_t at = text.find(kReference);
    if (at == std::string::npos) return;
    std::string replaced;
    std::size_t from = 0;
    for (; at != std::string::npos; at = text.find(kReference, from)) {
      replaced.append(text, from, at - from).push_back('-');
      from = at + kReference.size();
    }
    replaced.append(text, from);
    text = std::move(replaced);
  }

  void NoteContextWords(const ContextParseResult& result) {
    if (result.tooLong) notes_ |= import_note::kContextTooLong;
    if (result.offending) notes_ |= import_note::kContextWords;
  }

  void Fill(VocabularyEntry& entry, std::string second) {
    switch (kind_) {
      case DictionaryKind::Phrases:
        entry.target = std::move(second);
        return;
      case DictionaryKind::Disambiguation:
        NoteContextWords(ParseContextWords(static_cast<UserLexicalRuleEntry&>(entry), second));
        return;
      case DictionaryKind::Normal:
      case DictionaryKind::ContextRules:
        break;
    }
    AttributeList& target = entry.Attributes(AttributeSide::Target);
    if (const int mark = ExtractAdjAttrMark(second); mark > 0) target.Set(attr::kTgtAdjAttr, mark);
    entry.target = std::move(second);
    if (kind_ == DictionaryKind::Normal) target.Set(attr::kTgtTr, 1);
    if (kind_ == DictionaryKind::ContextRules) FillRule(static_cast<UserLexicalRuleEntry&>(entry));
    FillAttributes(entry);
  }

  void FillRule(UserLexicalRuleEntry& rule) {
    const std::string words =
        Named(CsvColumn::ContextWords, kContextCellLimit).value_or(std::string());
    if (words.empty()) {
      notes_ |= import_note::kNoContextWords;
    } else {
      NoteContextWords(ParseContextWords(rule, words));
    }
    if (layout_.Has(CsvColumn::ContextTranslations)) {
      const std::string translations =
          Named(CsvColumn::ContextTranslations, kContextCellLimit).value_or(std::string());
      if (!translations.empty()) {
        const ContextParseResult result =
            ParseContextTranslations(rule, translations, ContextTextForm::Typed);
        if (result.tooLong) notes_ |= import_note::kContextTooLong;
        if (result.parameterWarning) notes_ |= import_note::kContextParameters;
      }
    }
    if (layout_.Has(CsvColumn::Range) && rule.ruletype == rule_type::kContextWord) {
      rule.range = UserLexicalRuleEntry::LimitRange(ReadRangeCell(Named(CsvColumn::Range)));
    }
  }

  void FillAttributes(VocabularyEntry& entry) {
    AttributeList& source = entry.Attributes(AttributeSide::Source);
    AttributeList& target = entry.Attributes(AttributeSide::Target);
    const bool verb = entry.scat == word_class::kVerb;
    if (!layout_.Has(CsvColumn::SubCategory)) {
      if (verb) source.Set(attr::kSubCat, 1);
    } else {
      const std::optional<int> subcat = ReadSubCategoryCell(Named(CsvColumn::SubCategory));
      if (IsNounLike(entry.scat) && subcat == kTitle) source.Set(attr::kSubCat, kTitle);
      if (verb) {
        source.Set(attr::kSubCat,
                   subcat && *subcat >= 0 && *subcat <= kLastVerbSubCat ? *subcat : 1);
      }
    }
    if (layout_.Has(CsvColumn::SemanticActor) && IsNounLike(entry.scat)) {
      const std::optional<int> semact = ReadSemanticActorCell(Named(CsvColumn::SemanticActor));
      if (semact && *semact >= 0) source.Set(attr::kSemAct, *semact);
    }
    const auto setPositive = [&](CsvColumn column, int code, int value) {
      if (layout_.Has(column) && value > 0) target.Set(code, value);
    };
    setPositive(CsvColumn::Inflection, attr::kTgtInfl,
                ReadInflectionCell(Named(CsvColumn::Inflection)));
    setPositive(CsvColumn::Gradation, attr::kTgtGrade,
                ReadGradationCell(Named(CsvColumn::Gradation)));
    setPositive(CsvColumn::Number, attr::kNumber, ReadNumberCell(Named(CsvColumn::Number)));
    if (verb) {
      setPositive(CsvColumn::ObjectCase, attr::kTgtGCase,
                  ReadObjectCaseCell(Named(CsvColumn::ObjectCase)).value_or(0));
    }
  }

  Vocabulary& vocabulary_;
  const TableLayout& layout_;
  const DictionaryKind kind_;
  const bool merge_;
  const bool finnishSource_;
  std::uint32_t& notes_;
  const std::size_t maxEntries_;
  const RowCells* row_ = nullptr;
};

// Whether the dictionary can take a table of the layout's kind.
bool IsAcceptable(const Vocabulary& vocabulary, const TableLayout& layout) {
  if (layout.kind != DictionaryKind::ContextRules &&
      layout.kind != DictionaryKind::Disambiguation) {
    return true;
  }
  if (vocabulary.header.srclan == language::kFinnish) return false;
  if (!layout.Has(CsvColumn::Type)) return false;
  return layout.kind != DictionaryKind::ContextRules || layout.Has(CsvColumn::ContextWords);
}

}  // namespace

int ReadCsvDictionary(Vocabulary& vocabulary, std::string_view text, int flags, char separator,
                      std::uint32_t& notes, std::size_t maxEntries) {
  notes = 0;
  while (!text.empty() && IsCsvBlank(text.front()))
    text.remove_prefix(1);
  if (separator == 0) separator = DetectCsvSeparator(text);
  const bool merge = (flags & csv_read::kMerge) != 0;
  const bool skipInvalid = (flags & csv_read::kSkipInvalidRows) != 0;

  Lines lines(text);
  std::optional<std::string_view> line = lines.Next();
  std::optional<RowCells> row = line ? SplitRow(*line, separator) : std::nullopt;
  const TableLayout layout = ReadLayout(row);
  if (merge && layout.kind != vocabulary.header.vocsubtype) return exchange_error::kOtherKind;
  vocabulary.header.vocsubtype = layout.kind;
  if (!IsAcceptable(vocabulary, layout)) return exchange_error::kInvalid;
  if (layout.hasHeader) row.reset();

  TableReader reader(vocabulary, layout, merge, notes, maxEntries);
  while (line) {
    if (row) {
      switch (reader.ReadRow(*row)) {
        case RowOutcome::Read:
        case RowOutcome::Skipped:
          break;
        case RowOutcome::Invalid:
          if (!skipInvalid) return exchange_error::kInvalid;
          notes |= import_note::kInvalidEntry;
          break;
        case RowOutcome::Refused:
          if (!skipInvalid) return exchange_error::kInvalid;
          break;
        case RowOutcome::LimitReached:
          return exchange_error::kTruncated;
      }
    }
    line = lines.Next();
    row = line ? SplitRow(*line, separator) : std::nullopt;
  }
  return 0;
}

}  // namespace vorla

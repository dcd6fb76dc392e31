#include "dictionaries/exchange/CsvDictionaryWriter.h"

#include "dictionaries/AdjAttrMark.h"
#include "dictionaries/AttributeCodes.h"
#include "dictionaries/RuleTypes.h"
#include "dictionaries/UserLexicalRuleEntry.h"
#include "dictionaries/exchange/CsvCells.h"
#include "dictionaries/exchange/CsvColumns.h"
#include "dictionaries/exchange/CsvValues.h"

namespace vorla {

namespace {

bool IsNounLike(int scat) {
  return scat == word_class::kNoun || scat == word_class::kProp;
}

// The optional columns a dictionary's entries need.
struct OptionalColumns {
  bool subCategory = false;
  bool semanticActor = false;
  bool number = false;
  bool range = false;
  bool objectCase = false;
};

bool HasSemanticActor(const VocabularyEntry& entry) {
  return entry.Attributes(AttributeSide::Source).Get(attr::kSemAct) >= 0;
}

OptionalColumns FindOptionalColumns(const Vocabulary& vocabulary) {
  OptionalColumns columns;
  const DictionaryKind kind = vocabulary.header.vocsubtype;
  const bool englishNormal =
      kind == DictionaryKind::Normal && vocabulary.header.srclan == language::kEnglish;
  for (int i = 0; i < vocabulary.count(); ++i) {
    const VocabularyEntry& entry = vocabulary.At(i);
    if (englishNormal) {
      const int subcat = entry.Attributes(AttributeSide::Source).Get(attr::kSubCat);
      if (IsNounLike(entry.scat)) {
        columns.subCategory |= subcat == 13;
        columns.semanticActor |= HasSemanticActor(entry);
        columns.number |= entry.Attributes(AttributeSide::Target).Get(attr::kNumber) == 1;
      } else if (entry.scat == word_class::kVerb) {
        columns.subCategory |= subcat == 0 || (subcat >= 2 && subcat <= 7);
      }
    } else if (kind == DictionaryKind::ContextRules) {
      const auto& rule = static_cast<const UserLexicalRuleEntry&>(entry);
      columns.range |= rule.ruletype == rule_type::kContextWord && rule.range != 0;
      columns.semanticActor |=
          (rule.ruletype == rule_type::kNounAdjAttr || rule.ruletype == rule_type::kContextWord ||
           rule.ruletype == rule_type::kUnnamed155 || rule.ruletype == rule_type::kNounMatAttr) &&
          HasSemanticActor(rule);
      columns.objectCase |= rule.ruletype == rule_type::kVerbObject &&
                            rule.Attributes(AttributeSide::Target).Get(attr::kTgtGCase) > 0;
    }
  }
  return columns;
}

class TableWriter {
 public:
  TableWriter(const Vocabulary& vocabulary, std::string& out, UiLanguage language, char separator)
      : vocabulary_(vocabulary),
        out_(out),
        language_(language),
        separator_(separator),
        kind_(vocabulary.header.vocsubtype),
        columns_(FindOptionalColumns(vocabulary)),
        attributeColumns_(
            (kind_ == DictionaryKind::Normal && vocabulary.header.srclan == language::kEnglish) ||
            kind_ == DictionaryKind::ContextRules) {}

  void Write() {
    WriteHeader();
    for (int i = 0; i < vocabulary_.count(); ++i)
      WriteEntry(vocabulary_.At(i));
  }

 private:
  void Cell(std::string_view text) {
    if (!firstCell_) out_.push_back(separator_);
    firstCell_ = false;
    out_.append(text);
  }
  void QuotedCell(std::string_view text) {
    if (!firstCell_) out_.push_back(separator_);
    firstCell_ = false;
    AppendQuotedCell(out_, text, separator_);
  }
  void EndLine() {
    out_.append("\r\n");
    firstCell_ = true;
  }
  void Lead(CsvLeadColumn column) { Cell(CsvLeadName(column, language_)); }
  void Named(CsvColumn column) { Cell(CsvColumnName(column, language_)); }

  void WriteHeader() {
    switch (kind_) {
      case DictionaryKind::Normal:
        Lead(CsvLeadColumn::Term);
        Lead(CsvLeadColumn::Translation);
        break;
      case DictionaryKind::Phrases:
        Lead(CsvLeadColumn::Phrase);
        Lead(CsvLeadColumn::Translation);
        break;
      case DictionaryKind::ContextRules:
        Lead(CsvLeadColumn::SourceWord);
        Lead(CsvLeadColumn::Translation);
        Named(CsvColumn::Type);
        Named(CsvColumn::ContextWords);
        Named(CsvColumn::ContextTranslations);
        if (columns_.range) Named(CsvColumn::Range);
        break;
      case DictionaryKind::Disambiguation:
        Lead(CsvLeadColumn::SourceWord);
        Lead(CsvLeadColumn::ContextWords);
        Named(CsvColumn::Type);
        break;
    }
    if (kind_ == DictionaryKind::Normal || kind_ == DictionaryKind::ContextRules) {
      Named(CsvColumn::WordClass);
    }
    if (attributeColumns_) {
      if (columns_.subCategory) Named(CsvColumn::SubCategory);
      if (columns_.semanticActor) Named(CsvColumn::SemanticActor);
      Named(CsvColumn::Inflection);
      Named(CsvColumn::Gradation);
      if (columns_.number) Named(CsvColumn::Number);
      if (columns_.objectCase) Named(CsvColumn::ObjectCase);
    }
    EndLine();
  }

  void WriteEntry(const VocabularyEntry& entry) {
    QuotedCell(entry.source);
    if (kind_ == DictionaryKind::Phrases) QuotedCell(entry.target);
    if (kind_ == DictionaryKind::Normal || kind_ == DictionaryKind::ContextRules) {
      QuotedCell(MarkedTarget(entry));
    }
    if (kind_ == DictionaryKind::ContextRules) {
      const auto& rule = static_cast<const UserLexicalRuleEntry&>(entry);
      Cell(RuleTypeCell(rule.ruletype, language_));
      QuotedCell(rule.contextwords.display);
      QuotedCell(rule.contextwordstr.display);
      if (columns_.range) {
        const bool hasRange = rule.ruletype == rule_type::kContextWord && rule.range != 0;
        Cell(hasRange ? std::to_string(rule.range) : std::string());
      }
    }
    if (kind_ == DictionaryKind::Disambiguation) {
      const auto& rule = static_cast<const UserLexicalRuleEntry&>(entry);
      QuotedCell(rule.contextwords.display);
      Cell(RuleTypeCell(rule.ruletype, language_));
    }
    if (kind_ == DictionaryKind::Normal || kind_ == DictionaryKind::ContextRules) {
      Cell(WordClassCell(entry.scat, language_));
    }
    if (attributeColumns_) {
      if (columns_.subCategory) Cell(SubCategoryCell(entry, language_));
      if (columns_.semanticActor) Cell(SemanticActorCell(entry, language_));
      Cell(InflectionCell(entry, language_));
      Cell(GradationCell(entry, language_));
      if (columns_.number) Cell(NumberCell(entry, language_));
      if (columns_.objectCase) Cell(ObjectCaseCell(entry, language_));
    }
    EndLine();
  }

  const Vocabulary& vocabulary_;
  std::string& out_;
  const UiLanguage language_;
  const char separator_;
  const DictionaryKind kind_;
  const OptionalColumns columns_;
  const bool attributeColumns_;  // Normal with English source, and ContextRules
  bool firstCell_ = true;
};

}  // namespace

void WriteCsvDictionary(const Vocabulary& vocabulary, std::string& out, UiLanguage headerLanguage,
                        char separator) {
  TableWriter(vocabulary, out, headerLanguage, separator == 0 ? ';' : separator).Write();
}

}  // namespace vorla

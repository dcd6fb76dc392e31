#pragma once

#include <optional>
#include <string_view>

#include "common/UiLanguage.h"

namespace vorla {

// The first two columns of a dictionary table, recognised by position.
enum class CsvLeadColumn { Term, Phrase, SourceWord, Translation, ContextWords };

// The columns from the third on, recognised by name in any order.
enum class CsvColumn {
  ImportMark,
  Frequency,
  WordClass,
  SubCategory,
  SemanticActor,
  Inflection,
  Gradation,
  ObjectCase,
  Number,
  Type,
  ContextWords,
  ContextTranslations,
  Range,
};
inline constexpr int kCsvColumnCount = 13;

// The header names the writer uses (Windows-1252); the import mark and frequency columns are
// never written and have none.
std::string_view CsvLeadName(CsvLeadColumn column, UiLanguage language);
std::string_view CsvColumnName(CsvColumn column, UiLanguage language);

// A trimmed first or second header cell: the exact spellings of either language and the
// older ones.
std::optional<CsvLeadColumn> FindCsvLeadColumn(std::string_view cell);
// A trimmed named header cell, compared without regard to case.
std::optional<CsvColumn> FindCsvColumn(std::string_view cell);

}  // namespace vorla

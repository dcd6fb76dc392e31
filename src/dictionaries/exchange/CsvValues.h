#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/UiLanguage.h"
#include "dictionaries/VocabularyEntry.h"

namespace vorla {

// The attribute cells of a dictionary table. Written cells are display names in the header
// language (Windows-1252); read cells are compared without regard to case, engine names
// exactly. A read cell is nothing when the line has no such cell (or it was too long).
using CsvNamedCell = std::optional<std::string>;

std::string WordClassCell(int scat, UiLanguage language);
std::string SubCategoryCell(const VocabularyEntry& entry, UiLanguage language);
std::string SemanticActorCell(const VocabularyEntry& entry, UiLanguage language);
std::string InflectionCell(const VocabularyEntry& entry, UiLanguage language);
std::string GradationCell(const VocabularyEntry& entry, UiLanguage language);
std::string NumberCell(const VocabularyEntry& entry, UiLanguage language);
std::string ObjectCaseCell(const VocabularyEntry& entry, UiLanguage language);
std::string RuleTypeCell(int ruleType, UiLanguage language);

// Unknown values are nothing; an empty word class cell is a noun.
std::optional<int> ReadWordClassCell(const CsvNamedCell& cell);
std::optional<int> ReadSubCategoryCell(const CsvNamedCell& cell);
std::optional<int> ReadSemanticActorCell(const CsvNamedCell& cell);
std::optional<int> ReadObjectCaseCell(const CsvNamedCell& cell);
std::optional<int> ReadRuleTypeCell(const CsvNamedCell& cell);
// 0 when the value is not known.
int ReadInflectionCell(const CsvNamedCell& cell);
int ReadGradationCell(const CsvNamedCell& cell);
int ReadNumberCell(const CsvNamedCell& cell);
// -1 for an empty cell.
int ReadRangeCell(const CsvNamedCell& cell);
// "yes", "x" or "kyllä".
bool IsImportMarked(const CsvNamedCell& cell);

}  // namespace vorla

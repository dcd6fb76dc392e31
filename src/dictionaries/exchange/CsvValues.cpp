#include "dictionaries/exchange/CsvValues.h"

#include <charconv>
#include <span>

#include "common/Windows1252.h"
#include "dictionaries/AttributeCodes.h"
#include "dictionaries/AttributeValues.h"
#include "dictionaries/RuleTypes.h"

namespace vorla {

namespace {

// A spelling that reads as a value (Windows-1252).
struct Spelling {
  std::string_view text;
  int value;
};

constexpr Spelling kWordClasses[] = {
    {"Noun", word_class::kNoun},         {"Subst", word_class::kNoun},
    {"Substantiivi", word_class::kNoun}, {"Adj", word_class::kAdj},
    {"Adjective", word_class::kAdj},     {"Adjektiivi", word_class::kAdj},
    {"Adv", word_class::kAdv},           {"Adverb", word_class::kAdv},
    {"Adverbi", word_class::kAdv},       {"Verb", word_class::kVerb},
    {"Verbi", word_class::kVerb},        {"Prop", word_class::kProp},
    {"Proper Noun", word_class::kProp},  {"Erisnimi", word_class::kProp},
};
constexpr int kTitle = 13;
constexpr Spelling kSubCategories[] = {
    {"Intransitive", 0}, {"Intransitiivinen", 0}, {"Title", kTitle},
    {"Nimike", kTitle},  {"Titteli", kTitle},
};
constexpr Spelling kSemanticActors[] = {
    {"Human", 1},        {"Ihminen", 1},      {"Active", 1},   {"Elollinen", 1}, {"Animal", 2},
    {"El\xE4in", 2},     {"Plant", 3},        {"Kasvi", 3},    {"Machine", 4},   {"Kone", 4},
    {"Organization", 5}, {"Organisaatio", 5}, {"Inactive", 0}, {"Inact", 0},     {"Eloton", 0},
};
constexpr Spelling kInflections[] = {{"No inflection", 1}, {"Ei taivutusta", 1}};
constexpr Spelling kGradations[] = {
    {"No", 2},
    {"No gradation", 2},
    {"None", 2},
    {"Ei", 2},
    {"Ei astevaihtelua", 2},
    {"Irregular", 1},
    {"Ep\xE4s\xE4\xE4nn\xF6llinen", 1},
};
constexpr Spelling kNumbers[] = {{"Plural", 1}, {"Monikko", 1}};
constexpr int kAccusative = 2;
constexpr int kPartitive = 3;
constexpr Spelling kObjectCases[] = {
    {"Accusative", kAccusative},
    {"Akkusatiivi", kAccusative},
    {"Partitive", kPartitive},
    {"Partitiivi", kPartitive},
};
constexpr Spelling kImportMarks[] = {{"yes", 1}, {"x", 1}, {"kyll\xE4", 1}};

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && Cp1252CompareNoCase(a, b) == 0;
}

std::optional<int> FindSpelling(std::span<const Spelling> spellings, std::string_view text) {
  for (const Spelling& spelling : spellings) {
    if (EqualNoCase(spelling.text, text)) return spelling.value;
  }
  return std::nullopt;
}

std::string DisplayCell(int code, int value, int scat, UiLanguage language) {
  return Utf8ToCp1252(AttributeDisplayName(code, value, scat).In(language));
}

int TargetValue(const VocabularyEntry& entry, int code) {
  return entry.Attributes(AttributeSide::Target).Get(code);
}

}  // namespace

std::string WordClassCell(int scat, UiLanguage language) {
  return DisplayCell(attr::kSCat, scat, scat, language);
}

std::string SubCategoryCell(const VocabularyEntry& entry, UiLanguage language) {
  int subcat = entry.Attributes(AttributeSide::Source).Get(attr::kSubCat);
  if (subcat < 0 && entry.scat == word_class::kVerb) subcat = 0;
  if (subcat < 0) return {};
  return DisplayCell(attr::kSubCat, subcat, entry.scat, language);
}

std::string SemanticActorCell(const VocabularyEntry& entry, UiLanguage language) {
  const int semact = entry.Attributes(AttributeSide::Source).Get(attr::kSemAct);
  if (semact < 0) return {};
  return DisplayCell(attr::kSemAct, semact, entry.scat, language);
}

std::string InflectionCell(const VocabularyEntry& entry, UiLanguage language) {
  constexpr int kLastInflection = 27;
  const int inflection = TargetValue(entry, attr::kTgtInfl);
  if (inflection > kLastInflection) return "???";
  if (inflection <= 0) return {};
  return DisplayCell(attr::kTgtInfl, inflection, entry.scat, language);
}

std::string GradationCell(const VocabularyEntry& entry, UiLanguage language) {
  return DisplayCell(attr::kTgtGrade, TargetValue(entry, attr::kTgtGrade), entry.scat, language);
}

std::string NumberCell(const VocabularyEntry& entry, UiLanguage language) {
  return DisplayCell(attr::kNumber, TargetValue(entry, attr::kNumber), entry.scat, language);
}

std::string ObjectCaseCell(const VocabularyEntry& entry, UiLanguage language) {
  return DisplayCell(attr::kTgtGCase, TargetValue(entry, attr::kTgtGCase), entry.scat, language);
}

std::string RuleTypeCell(int ruleType, UiLanguage language) {
  return Utf8ToCp1252(RuleTypeExchangeName(ruleType).In(language));
}

std::optional<int> ReadWordClassCell(const CsvNamedCell& cell) {
  if (!cell) return std::nullopt;
  if (cell->empty()) return word_class::kNoun;
  return FindSpelling(kWordClasses, *cell);
}

std::optional<int> ReadSubCategoryCell(const CsvNamedCell& cell) {
  if (!cell) return std::nullopt;
  if (const std::optional<int> value = FindSpelling(kSubCategories, *cell)) return value;
  return FindAttributeValue(attr::kSubCat, *cell);
}

std::optional<int> ReadSemanticActorCell(const CsvNamedCell& cell) {
  if (!cell) return std::nullopt;
  if (const std::optional<int> value = FindSpelling(kSemanticActors, *cell)) return value;
  const std::optional<int> value = FindAttributeValue(attr::kSemAct, *cell);
  if (value && *value > 0) return value;
  return std::nullopt;
}

std::optional<int> ReadObjectCaseCell(const CsvNamedCell& cell) {
  if (!cell) return std::nullopt;
  if (const std::optional<int> value = FindSpelling(kObjectCases, *cell)) return value;
  const std::optional<int> value = FindAttributeValue(attr::kTgtGCase, *cell);
  if (value == kAccusative || value == kPartitive) return value;
  return std::nullopt;
}

std::optional<int> ReadRuleTypeCell(const CsvNamedCell& cell) {
  if (!cell) return std::nullopt;
  // The exchange names are UTF-8; the cell is Windows-1252.
  return FindRuleType(Cp1252ToUtf8(*cell));
}

int ReadInflectionCell(const CsvNamedCell& cell) {
  if (!cell) return 0;
  if (const std::optional<int> value = FindSpelling(kInflections, *cell)) return *value;
  return FindAttributeValue(attr::kTgtInfl, *cell).value_or(0);
}

int ReadGradationCell(const CsvNamedCell& cell) {
  if (!cell) return 0;
  if (const std::optional<int> value = FindSpelling(kGradations, *cell)) return *value;
  return FindAttributeValue(attr::kTgtGrade, *cell).value_or(0);
}

int ReadNumberCell(const CsvNamedCell& cell) {
  return cell ? FindSpelling(kNumbers, *cell).value_or(0) : 0;
}

int ReadRangeCell(const CsvNamedCell& cell) {
  if (!cell || cell->empty()) return -1;
  int range = 0;
  const char* begin = cell->data();
  const auto [end, error] =
      std::from_chars(*begin == '+' ? begin + 1 : begin, begin + cell->size(), range);
  if (error == std::errc::result_out_of_range) return *begin == '-' ? -1 : 100;
  return range;
}

bool IsImportMarked(const CsvNamedCell& cell) {
  return cell && FindSpelling(kImportMarks, *cell).has_value();
}

}  // namespace vorla

#include "dictionaries/exchange/CsvColumns.h"

#include <array>

#include "common/Windows1252.h"

namespace vorla {

namespace {

// Windows-1252 names: the written English and Finnish ones first, then those also accepted.
struct ColumnNames {
  std::string_view english;
  std::string_view finnish;
  std::array<std::string_view, 4> alsoAccepted{};
};

constexpr std::array<ColumnNames, 5> kLeadNames = {{
    {"[Term]", "[Termi]"},
    {"[Phrase]", "[Fraasi]"},
    {"[Source Word]", "[Kohdesana]", {"[Source word]", "[L\xE4hdesana]"}},
    {"[Translation]", "[K\xE4\xE4nn\xF6s]"},
    {"[Context Words]", "[Kontekstisanat]", {"[Context words]"}},
}};

constexpr std::array<ColumnNames, kCsvColumnCount> kColumnNames = {{
    {"", "", {"[Import]", "[Tuo]", "[Tuo termi]", "[Tuo sanastoon]"}},
    {"", "", {"[Frequency]", "[Frekvenssi]"}},
    {"[Word Class]", "[Sanaluokka]"},
    {"[Subcategory]", "[Alikategoria]"},
    {"[Semantic Actor]", "[Semanttinen toimija]"},
    {"[Inflection]", "[Taivutus]"},
    {"[Gradation]", "[Astevaihtelu]"},
    {"[Object Case]", "[Objektin sijamuoto]"},
    {"[Number]", "[Luku]"},
    {"[Type]", "[Tyyppi]"},
    {"[Context Words]", "[Kontekstisanat]", {"[ContextWords]"}},
    {"[Translations of Context Words]",
     "[Kontekstisanojen k\xE4\xE4nn\xF6kset]",
     {"[Context Words Translations]", "[ContextWordsTranslations]", "[Context Word Translations]"}},
    {"[Range]", "[Et\xE4isyys]"},
}};

std::string_view NameIn(const ColumnNames& names, UiLanguage language) {
  return language == UiLanguage::Finnish ? names.finnish : names.english;
}

template <typename Compare>
bool Names(const ColumnNames& names, std::string_view cell, Compare equal) {
  if (!names.english.empty() && (equal(names.english, cell) || equal(names.finnish, cell))) {
    return true;
  }
  for (const std::string_view other : names.alsoAccepted) {
    if (!other.empty() && equal(other, cell)) return true;
  }
  return false;
}

}  // namespace

std::string_view CsvLeadName(CsvLeadColumn column, UiLanguage language) {
  return NameIn(kLeadNames[static_cast<std::size_t>(column)], language);
}

std::string_view CsvColumnName(CsvColumn column, UiLanguage language) {
  return NameIn(kColumnNames[static_cast<std::size_t>(column)], language);
}

std::optional<CsvLeadColumn> FindCsvLeadColumn(std::string_view cell) {
  const auto exact = [](std::string_view a, std::string_view b) { return a == b; };
  for (std::size_t i = 0; i < kLeadNames.size(); ++i) {
    if (Names(kLeadNames[i], cell, exact)) return static_cast<CsvLeadColumn>(i);
  }
  return std::nullopt;
}

std::optional<CsvColumn> FindCsvColumn(std::string_view cell) {
  const auto noCase = [](std::string_view a, std::string_view b) {
    return a.size() == b.size() && Cp1252CompareNoCase(a, b) == 0;
  };
  for (std::size_t i = 0; i < kColumnNames.size(); ++i) {
    if (Names(kColumnNames[i], cell, noCase)) return static_cast<CsvColumn>(i);
  }
  return std::nullopt;
}

}  // namespace vorla

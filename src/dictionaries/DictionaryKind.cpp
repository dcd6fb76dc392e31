#include "dictionaries/DictionaryKind.h"

#include <array>

namespace vorla {

namespace {

struct KindNames {
  std::string_view exchange;
  BilingualText display;
};

constexpr std::array<KindNames, kDictionaryKindCount> kKindNames = {{
    {"Normal", {"Terms", "sanat / sanaliitot"}},
    {"Phrases", {"Phrases", "fraasit"}},
    {"ContextRules", {"Context Rules", "kontekstisäännöt"}},
    {"Disambiguation", {"Disambiguation", "disambiguointi"}},
}};

constexpr std::array<std::string_view, 3> kLanguageTags = {"en", "fi", "sv"};
constexpr std::array<std::string_view, 3> kLanguageKeyTags = {"En", "Fi", "Sv"};

const KindNames& NamesOf(DictionaryKind kind) {
  return kKindNames[static_cast<std::size_t>(kind)];
}

}  // namespace

std::string_view KindExchangeName(DictionaryKind kind) {
  return NamesOf(kind).exchange;
}

std::optional<DictionaryKind> FindKindByExchangeName(std::string_view name) {
  for (std::size_t i = 0; i < kKindNames.size(); ++i) {
    if (kKindNames[i].exchange == name) return static_cast<DictionaryKind>(i);
  }
  return std::nullopt;
}

BilingualText KindDisplayName(DictionaryKind kind) {
  return NamesOf(kind).display;
}

std::string_view LanguageTag(int code) {
  if (code < 0 || code >= static_cast<int>(kLanguageTags.size())) return {};
  return kLanguageTags[static_cast<std::size_t>(code)];
}

std::string_view LanguageKeyTag(int code) {
  if (code < 0 || code >= static_cast<int>(kLanguageKeyTags.size())) return {};
  return kLanguageKeyTags[static_cast<std::size_t>(code)];
}

}  // namespace vorla

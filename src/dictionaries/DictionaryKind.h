#pragma once

#include <optional>
#include <string_view>

#include "common/Bilingual.h"

namespace vorla {

// The kind of a dictionary (`vocsubtype`); all its entries are of the classes it admits.
enum class DictionaryKind : int { Normal = 0, Phrases = 1, ContextRules = 2, Disambiguation = 3 };

inline constexpr int kDictionaryKindCount = 4;

// "Normal", "Phrases", "ContextRules", "Disambiguation" (the XML type element).
std::string_view KindExchangeName(DictionaryKind kind);
std::optional<DictionaryKind> FindKindByExchangeName(std::string_view name);
BilingualText KindDisplayName(DictionaryKind kind);

// Language codes of dictionaries and their two-letter forms: "en", "fi", "sv" in the
// exchange files, "En", "Fi", "Sv" in settings key names; empty for any other code.
namespace language {
inline constexpr int kEnglish = 0;
inline constexpr int kFinnish = 1;
inline constexpr int kSwedish = 2;
}  // namespace language
std::string_view LanguageTag(int code);
std::string_view LanguageKeyTag(int code);

}  // namespace vorla

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vorla::sim {

// The three families of language codes, never mixed in one request: the local pairs (0
// English, 1 Finnish, 2 Swedish), the first further-language list (100 to 138, accounts of
// type 3) and the second (200 to 263, accounts of type 4).
enum class LanguageFamily { Local, FirstList, SecondList };

inline constexpr std::int32_t kEnglish = 0;
inline constexpr std::int32_t kFinnish = 1;
inline constexpr std::int32_t kSwedish = 2;
inline constexpr std::int32_t kFirstFurtherLanguage = 100;

// Nothing for a code outside the three families (98, the separator line of a list, too).
std::optional<LanguageFamily> FamilyOf(std::int32_t code);

// The local code of English, Finnish or Swedish in any family (108 and 215 are English);
// nothing for the other languages.
std::optional<std::int32_t> LocalLanguageOf(std::int32_t code);

// Whether a pair is one of the further languages (the client's texts then travel in UTF-8).
bool IsFurtherPair(std::int32_t source, std::int32_t target);

// The language's tag ("ru" for 130 and 248); empty for a code of no family.
std::string_view LanguageTag(std::int32_t code);

}  // namespace vorla::sim

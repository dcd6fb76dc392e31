#include "LanguageCodes.h"

#include <array>

namespace vorla::sim {

namespace {

constexpr std::int32_t kSecondListStart = 200;

// By code: 0 to 2, 100 to 138 and 200 to 263.
constexpr std::array<std::string_view, 3> kLocalTags = {"en", "fi", "sv"};
constexpr std::array<std::string_view, 39> kFirstListTags = {
    "ar", "bg", "ca", "zh-Hans", "zh-Hant", "cs", "da", "nl", "en", "et", "fi", "fr",  "de",
    "el", "ht", "he", "hi",      "hu",      "id", "it", "ja", "ko", "lv", "lt", "mww", "no",
    "fa", "pl", "pt", "ro",      "ru",      "sk", "sl", "es", "sv", "th", "tr", "uk",  "vi"};
constexpr std::array<std::string_view, 64> kSecondListTags = {
    "af", "sq", "ar", "az", "eu", "bn",  "be", "bg", "ca", "zh-Hans", "zh-Hant", "hr", "cs",
    "da", "nl", "en", "eo", "et", "fil", "fi", "fr", "gl", "ka",      "de",      "el", "gu",
    "ht", "he", "hi", "hu", "is", "id",  "ga", "it", "ja", "kn",      "ko",      "la", "lv",
    "lt", "mk", "ms", "mt", "no", "fa",  "pl", "pt", "ro", "ru",      "sr",      "sk", "sl",
    "es", "sw", "sv", "ta", "te", "th",  "tr", "uk", "ur", "vi",      "cy",      "yi"};

template <std::size_t N>
std::string_view TagAt(const std::array<std::string_view, N>& tags, std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return {};
  return tags[static_cast<std::size_t>(index)];
}

}  // namespace

std::optional<LanguageFamily> FamilyOf(std::int32_t code) {
  if (!TagAt(kLocalTags, code).empty()) return LanguageFamily::Local;
  if (!TagAt(kFirstListTags, code - kFirstFurtherLanguage).empty())
    return LanguageFamily::FirstList;
  if (!TagAt(kSecondListTags, code - kSecondListStart).empty()) return LanguageFamily::SecondList;
  return std::nullopt;
}

std::optional<std::int32_t> LocalLanguageOf(std::int32_t code) {
  const std::string_view tag = LanguageTag(code);
  for (std::size_t i = 0; i < kLocalTags.size(); ++i) {
    if (tag == kLocalTags[i]) return static_cast<std::int32_t>(i);
  }
  return std::nullopt;
}

bool IsFurtherPair(std::int32_t source, std::int32_t target) {
  return source >= kFirstFurtherLanguage || target >= kFirstFurtherLanguage;
}

std::string_view LanguageTag(std::int32_t code) {
  const auto family = FamilyOf(code);
  if (!family) return {};
  switch (*family) {
    case LanguageFamily::Local:
      return TagAt(kLocalTags, code);
    case LanguageFamily::FirstList:
      return TagAt(kFirstListTags, code - kFirstFurtherLanguage);
    case LanguageFamily::SecondList:
      return TagAt(kSecondListTags, code - kSecondListStart);
  }
  return {};
}

}  // namespace vorla::sim

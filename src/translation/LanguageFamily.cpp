#include "translation/LanguageFamily.h"

#include <array>

namespace vorla {

namespace {

constexpr int kFirstListStart = 100;
constexpr int kFirstListEnd = 138;
constexpr int kSecondListStart = 200;
constexpr int kSecondListEnd = 263;

// English, Finnish and Swedish in the local pairs, the first list and the second list.
constexpr std::array<std::array<int, 3>, 3> kLocalLanguagesByFamily = {{
    {kLanguageEnglish, kLanguageFinnish, kLanguageSwedish},
    {108, 110, 134},
    {215, 219, 254},
}};

bool IsLocalLanguage(int code, std::size_t which) {
  for (const auto& family : kLocalLanguagesByFamily) {
    if (family[which] == code) return true;
  }
  return false;
}

}  // namespace

LanguageFamily FamilyOf(int code) {
  if (code >= kSecondListStart) return LanguageFamily::SecondList;
  if (code >= kFirstListStart) return LanguageFamily::FirstList;
  return LanguageFamily::Local;
}

bool IsLocalPair(int source, int target) {
  return FamilyOf(source) == LanguageFamily::Local && FamilyOf(target) == LanguageFamily::Local;
}

bool IsKnownLanguageCode(int code) {
  return (code >= kLanguageEnglish && code <= kLanguageSwedish) || code == kLanguageInvalidChoice ||
         (code >= kFirstListStart && code <= kFirstListEnd) ||
         (code >= kSecondListStart && code <= kSecondListEnd);
}

bool IsEnglish(int code) {
  return IsLocalLanguage(code, kLanguageEnglish);
}

bool IsFinnish(int code) {
  return IsLocalLanguage(code, kLanguageFinnish);
}

int InFamily(int code, LanguageFamily family) {
  if (code < kLanguageEnglish || code > kLanguageSwedish) return code;
  return kLocalLanguagesByFamily[static_cast<std::size_t>(family)][static_cast<std::size_t>(code)];
}

int LocalCodeOf(int code) {
  for (const auto& family : kLocalLanguagesByFamily) {
    for (std::size_t which = 0; which < family.size(); ++which) {
      if (family[which] == code) return static_cast<int>(which);
    }
  }
  return code;
}

}  // namespace vorla

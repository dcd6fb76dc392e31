#include "translation/LanguageNames.h"

#include <array>

#include "common/Bilingual.h"
#include "translation/FurtherLanguages.h"

namespace vorla {

namespace {

constexpr std::array<BilingualText, 3> kLocalNames = {{
    {"English", "englanti"},
    {"Finnish", "suomi"},
    {"Swedish", "ruotsi"},
}};

constexpr BilingualText kEnglishToFinnish{"English -> Finnish", "englanti -> suomi"};
constexpr BilingualText kFinnishToEnglish{"Finnish -> English", "suomi -> englanti"};
constexpr BilingualText kEnglishToSwedish{"English -> Swedish", "englanti -> ruotsi"};
constexpr BilingualText kAutoSelection{"Auto-Selection", "Automaattinen"};
constexpr BilingualText kBothDirections{"Finnish-English-Finnish", "suomi-englanti-suomi"};

struct LocalPairText {
  int source;
  int target;
  BilingualText direction;
  BilingualText label;
};

constexpr std::array<LocalPairText, 3> kLocalPairs = {{
    {kLanguageEnglish, kLanguageFinnish, kEnglishToFinnish, {"English-Finnish", "englanti-suomi"}},
    {kLanguageFinnish, kLanguageEnglish, kFinnishToEnglish, {"Finnish-English", "suomi-englanti"}},
    {kLanguageEnglish, kLanguageSwedish, kEnglishToSwedish, {"English-Swedish", "englanti-ruotsi"}},
}};

const LocalPairText* FindLocalPair(int source, int target) {
  for (const LocalPairText& pair : kLocalPairs) {
    if (pair.source == source && pair.target == target) return &pair;
  }
  return nullptr;
}

}  // namespace

std::string_view LanguageName(int code, UiLanguage language) {
  if (code >= kLanguageEnglish && code <= kLanguageSwedish) {
    return kLocalNames[static_cast<std::size_t>(code)].In(language);
  }
  const FurtherLanguage* further = FindFurtherLanguage(code);
  return further ? further->name.In(language) : std::string_view();
}

std::string_view DirectionName(const LanguagePair& pair, UiLanguage language) {
  if (pair.automatic) return kAutoSelection.In(language);
  const LocalPairText* local = FindLocalPair(pair.source, pair.target);
  return local ? local->direction.In(language) : std::string_view();
}

std::string_view AutoSelectionName(UiLanguage language) {
  return kAutoSelection.In(language);
}

std::string AvailablePairsText(int bits, UiLanguage language) {
  std::string text;
  if (BothEnglishFinnishDirections(bits)) {
    text = kBothDirections.In(language);
  } else if (bits & kPairEnglishFinnish) {
    text = kEnglishToFinnish.In(language);
  } else if (bits & kPairFinnishEnglish) {
    text = kFinnishToEnglish.In(language);
  } else {
    return text;
  }
  if (bits & kPairEnglishSwedish) {
    text += ", ";
    text += kEnglishToSwedish.In(language);
  }
  return text;
}

std::string_view PairLabel(int source, int target, UiLanguage language) {
  const LocalPairText* local = FindLocalPair(source, target);
  return local ? local->label.In(language) : std::string_view();
}

}  // namespace vorla

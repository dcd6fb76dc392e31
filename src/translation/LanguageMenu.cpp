#include "translation/LanguageMenu.h"

#include "translation/LanguagePairs.h"
#include "translation/TranslatorState.h"

namespace vorla {

namespace {

LanguagePair PairOf(LanguageMenuItem item) {
  switch (item) {
    case LanguageMenuItem::FinnishEnglish:
      return {kLanguageFinnish, kLanguageEnglish, false};
    case LanguageMenuItem::EnglishSwedish:
      return {kLanguageEnglish, kLanguageSwedish, false};
    case LanguageMenuItem::AutoSelection:
      return {kLanguageEnglish, kLanguageFinnish, true};
    case LanguageMenuItem::EnglishFinnish:
      break;
  }
  return {kLanguageEnglish, kLanguageFinnish, false};
}

}  // namespace

bool IsMenuItemEnabled(LanguageMenuItem item, int accountType, int bits) {
  switch (item) {
    case LanguageMenuItem::AutoSelection:
      return BothEnglishFinnishDirections(bits);
    case LanguageMenuItem::EnglishFinnish:
      return (bits & kPairEnglishFinnish) != 0;
    case LanguageMenuItem::FinnishEnglish:
      return (bits & kPairFinnishEnglish) != 0;
    case LanguageMenuItem::EnglishSwedish:
      return (bits & kPairEnglishSwedish) != 0 &&
             FurtherListOf(accountType) == LanguageFamily::Local;
  }
  return false;
}

void ChooseMenuItem(TranslatorState& state, LanguageMenuItem item) {
  LanguagePair pair = PairOf(item);
  if (item == LanguageMenuItem::AutoSelection &&
      FurtherListOf(state.GetAccountType()) == LanguageFamily::Local) {
    // Other accounts keep their pair under automatic direction.
    pair = state.GetPair();
    pair.automatic = true;
  }
  state.ChoosePair(pair);
}

}  // namespace vorla

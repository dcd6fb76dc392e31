#include "translation/LanguagePairs.h"

#include <initializer_list>

namespace vorla {

namespace {

bool Has(int bits, int pair) {
  return (bits & pair) != 0;
}

bool HasCodeOf(const LanguagePair& pair, LanguageFamily family) {
  return FamilyOf(pair.source) == family || FamilyOf(pair.target) == family;
}

bool IsEnglishFinnishPair(const LanguagePair& pair) {
  return (IsEnglish(pair.source) && IsFinnish(pair.target)) ||
         (IsFinnish(pair.source) && IsEnglish(pair.target));
}

}  // namespace

bool PairBitsAllow(int bits, int source, int target) {
  if (source == kLanguageEnglish && target == kLanguageFinnish) {
    return Has(bits, kPairEnglishFinnish);
  }
  if (source == kLanguageFinnish && target == kLanguageEnglish) {
    return Has(bits, kPairFinnishEnglish);
  }
  if (source == kLanguageEnglish && target == kLanguageSwedish) {
    return Has(bits, kPairEnglishSwedish);
  }
  return false;
}

bool BothEnglishFinnishDirections(int bits) {
  return (bits & kPairsBothDirections) == kPairsBothDirections;
}

LanguageFamily FurtherListOf(int accountType) {
  if (accountType == kAccountFirstList) return LanguageFamily::FirstList;
  if (accountType == kAccountSecondList) return LanguageFamily::SecondList;
  return LanguageFamily::Local;
}

bool IsFurtherPair(const LanguagePair& pair, int accountType, int bits) {
  if (FurtherListOf(accountType) == LanguageFamily::Local) return false;
  if (pair.automatic && BothEnglishFinnishDirections(bits)) return false;
  if (IsEnglishFinnishPair(pair)) return false;
  return FamilyOf(pair.source) != LanguageFamily::Local ||
         FamilyOf(pair.target) != LanguageFamily::Local;
}

LanguagePair NormalisePair(LanguagePair pair, int accountType, int bits) {
  const LanguagePair englishFinnish{kLanguageEnglish, kLanguageFinnish,
                                    BothEnglishFinnishDirections(bits)};
  for (const LanguageFamily list : {LanguageFamily::SecondList, LanguageFamily::FirstList}) {
    if (HasCodeOf(pair, list) && FurtherListOf(accountType) != list) pair = englishFinnish;
  }
  if (pair.source == kLanguageEnglish && pair.target == kLanguageSwedish &&
      !Has(bits, kPairEnglishSwedish)) {
    pair.target = kLanguageFinnish;
  }
  // Only an English-Finnish direction the account lacks moves; English to Swedish and the
  // account's further pairs were settled above.
  const bool englishToFinnish = pair.source == kLanguageEnglish && pair.target == kLanguageFinnish;
  const bool finnishToEnglish = pair.source == kLanguageFinnish && pair.target == kLanguageEnglish;
  if (englishToFinnish && !Has(bits, kPairEnglishFinnish)) {
    if (Has(bits, kPairFinnishEnglish)) {
      pair.source = kLanguageFinnish;
      pair.target = kLanguageEnglish;
    } else if (Has(bits, kPairEnglishSwedish)) {
      pair.target = kLanguageSwedish;
    }
  } else if (finnishToEnglish && !Has(bits, kPairFinnishEnglish)) {
    if (Has(bits, kPairEnglishFinnish)) {
      pair.source = kLanguageEnglish;
      pair.target = kLanguageFinnish;
    } else if (Has(bits, kPairEnglishSwedish)) {
      pair.source = kLanguageEnglish;
      pair.target = kLanguageSwedish;
    }
  }
  return pair;
}

}  // namespace vorla

#pragma once

#include "translation/LanguageFamily.h"

namespace vorla {

// Pair bits: the local pairs an account may use (the login answer reports them).
inline constexpr int kPairEnglishFinnish = 0x1;
inline constexpr int kPairFinnishEnglish = 0x2;
inline constexpr int kPairEnglishSwedish = 0x4;
inline constexpr int kPairsBothDirections = kPairEnglishFinnish | kPairFinnishEnglish;

// Account types whose further-language translations use the first or the second list.
inline constexpr int kAccountFirstList = 3;
inline constexpr int kAccountSecondList = 4;

// The current pair and the automatic-direction switch.
struct LanguagePair {
  int source = kLanguageEnglish;
  int target = kLanguageFinnish;
  bool automatic = true;

  friend bool operator==(const LanguagePair&, const LanguagePair&) = default;
};

// Whether the bits allow the local pair: (0, 1) needs 0x1, (1, 0) 0x2 and (0, 2) 0x4; any
// other pair is not a local pair.
bool PairBitsAllow(int bits, int source, int target);
bool BothEnglishFinnishDirections(int bits);

// The further-language list of an account type; the local family for types without one.
LanguageFamily FurtherListOf(int accountType);

// Whether a job with this pair is a further-language translation of an account with further
// languages. English and Finnish of any family make no further pair, and neither does
// automatic direction while both English-Finnish directions are available.
bool IsFurtherPair(const LanguagePair& pair, int accountType, int bits);

// The pair after a login: further languages only from the account's own list, English to
// Swedish only with its bit, and an English-Finnish direction only when it is available.
LanguagePair NormalisePair(LanguagePair pair, int accountType, int bits);

}  // namespace vorla

#include <gtest/gtest.h>

#include "translation/LanguagePairs.h"

namespace vorla {
namespace {

constexpr int kEnFi = kPairEnglishFinnish;
constexpr int kFiEn = kPairFinnishEnglish;
constexpr int kEnSv = kPairEnglishSwedish;
constexpr int kAll = kEnFi | kFiEn | kEnSv;

TEST(LanguagePairs, BitsAllowOnlyTheThreeLocalPairs) {
  struct Case {
    int bits, source, target;
    bool allowed;
  };
  const Case cases[] = {
      {kEnFi, 0, 1, true},  {kFiEn, 0, 1, false}, {kFiEn, 1, 0, true},
      {kEnFi, 1, 0, false}, {kEnSv, 0, 2, true},  {kAll & ~kEnSv, 0, 2, false},
      {kAll, 2, 0, false},  {kAll, 1, 2, false},  {kAll, 108, 110, false},
      {kAll, 0, 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PairBitsAllow(c.bits, c.source, c.target), c.allowed)
        << c.bits << ": " << c.source << " -> " << c.target;
  }
}

TEST(LanguagePairs, FurtherPairNeedsAFurtherAccountAndAFurtherLanguage) {
  struct Case {
    LanguagePair pair;
    int accountType, bits;
    bool further;
  };
  const Case cases[] = {
      {{100, 112, false}, 0, kAll, false},  // no further languages on this account
      {{100, 112, false}, 3, kAll, true},
      {{215, 230, false}, 4, kAll, true},
      {{0, 112, false}, 3, kAll, true},
      {{108, 110, false}, 3, kAll, false},  // English and Finnish of any family
      {{219, 0, false}, 4, kAll, false},
      {{0, 1, false}, 3, kAll, false},
      {{100, 112, true}, 3, kAll, false},  // automatic direction with both directions
      {{100, 112, true}, 3, kEnFi, true},  // ... but not with one direction
      {{0, 2, false}, 3, kAll, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsFurtherPair(c.pair, c.accountType, c.bits), c.further)
        << c.pair.source << " -> " << c.pair.target << " type " << c.accountType;
  }
}

TEST(LanguagePairs, NormalisationAfterLogin) {
  struct Case {
    const char* what;
    LanguagePair stored;
    int accountType, bits;
    LanguagePair expected;
  };
  const Case cases[] = {
      {"first-list pair kept for type 3", {100, 112, false}, 3, kAll, {100, 112, false}},
      {"first-list pair reset for type 0", {100, 1, false}, 0, kAll, {0, 1, true}},
      {"first-list pair reset for type 4", {100, 112, false}, 4, kEnFi, {0, 1, false}},
      {"second-list pair kept for type 4", {215, 230, false}, 4, kAll, {215, 230, false}},
      {"second-list pair reset for type 3", {230, 219, false}, 3, kAll, {0, 1, true}},
      {"mixed families reset", {100, 230, false}, 3, kAll, {0, 1, true}},
      {"English-Swedish kept with its bit", {0, 2, false}, 0, kEnFi | kEnSv, {0, 2, false}},
      {"English-Swedish without its bit", {0, 2, false}, 0, kAll & ~kEnSv, {0, 1, false}},
      {"English-Finnish without 0x1 turns round", {0, 1, true}, 0, kFiEn, {1, 0, true}},
      {"English-Finnish with only Swedish", {0, 1, false}, 0, kEnSv, {0, 2, false}},
      {"Finnish-English without 0x2", {1, 0, false}, 0, kEnFi, {0, 1, false}},
      {"Finnish-English with only Swedish", {1, 0, false}, 0, kEnSv, {0, 2, false}},
      {"both directions keep either", {1, 0, true}, 0, kFiEn | kEnFi, {1, 0, true}},
      {"no bits change nothing", {1, 0, false}, 0, 0, {1, 0, false}},
      {"Swedish without bits falls to English-Finnish", {0, 2, false}, 0, 0, {0, 1, false}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NormalisePair(c.stored, c.accountType, c.bits), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace vorla

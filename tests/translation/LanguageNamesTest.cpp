#include <gtest/gtest.h>

#include <algorithm>

#include "translation/FurtherLanguages.h"
#include "translation/LanguageNames.h"

namespace vorla {
namespace {

constexpr auto kEn = UiLanguage::English;
constexpr auto kFi = UiLanguage::Finnish;

TEST(LanguageNames, AvailablePairsTextForEveryBitCombination) {
  struct Case {
    int bits;
    const char* english;
    const char* finnish;
  };
  const Case cases[] = {
      {0, "", ""},
      {1, "English -> Finnish", "englanti -> suomi"},
      {2, "Finnish -> English", "suomi -> englanti"},
      {3, "Finnish-English-Finnish", "suomi-englanti-suomi"},
      {4, "", ""},
      {5, "English -> Finnish, English -> Swedish", "englanti -> suomi, englanti -> ruotsi"},
      {6, "Finnish -> English, English -> Swedish", "suomi -> englanti, englanti -> ruotsi"},
      {7, "Finnish-English-Finnish, English -> Swedish",
       "suomi-englanti-suomi, englanti -> ruotsi"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AvailablePairsText(c.bits, kEn), c.english) << c.bits;
    EXPECT_EQ(AvailablePairsText(c.bits, kFi), c.finnish) << c.bits;
  }
}

TEST(LanguageNames, NamesOfKnownCodesOnly) {
  struct Case {
    int code;
    const char* english;
    const char* finnish;
  };
  const Case cases[] = {
      {0, "English", "englanti"},
      {2, "Swedish", "ruotsi"},
      {100, "Arabic", "arabia"},
      {130, "Russian", "venäjä"},
      {138, "Vietnamese", "vietnam"},
      {206, "Belarusian", "valkovenäjä"},
      {263, "Yiddish", "jiddiš"},
      {3, "", ""},
      {98, "", ""},
      {99, "", ""},
      {139, "", ""},
      {199, "", ""},
      {264, "", ""},
      {-1, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LanguageName(c.code, kEn), c.english) << c.code;
    EXPECT_EQ(LanguageName(c.code, kFi), c.finnish) << c.code;
  }
}

TEST(LanguageNames, DirectionNamesAndPairLabels) {
  EXPECT_EQ(DirectionName({0, 1, false}, kEn), "English -> Finnish");
  EXPECT_EQ(DirectionName({1, 0, false}, kFi), "suomi -> englanti");
  EXPECT_EQ(DirectionName({0, 2, false}, kFi), "englanti -> ruotsi");
  EXPECT_EQ(DirectionName({0, 2, true}, kEn), "Auto-Selection");
  EXPECT_EQ(DirectionName({100, 112, false}, kEn), "");

  EXPECT_EQ(PairLabel(0, 1, kEn), "English-Finnish");
  EXPECT_EQ(PairLabel(1, 0, kFi), "suomi-englanti");
  EXPECT_EQ(PairLabel(0, 2, kFi), "englanti-ruotsi");
  EXPECT_EQ(PairLabel(2, 0, kEn), "");
}

TEST(FurtherLanguages, ResultEncodings) {
  struct Case {
    int code, encoding;
  };
  const Case cases[] = {{100, 9}, {102, 2}, {120, 11}, {138, 10}, {200, 2}, {203, 20}, {225, 31},
                        {263, 8}, {215, 2}, {0, 0},    {98, 0},   {139, 0}, {199, 0},  {264, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(ResultEncodingOf(c.code), c.encoding) << c.code;
}

TEST(FurtherLanguages, ListsAreCompleteInBothOrders) {
  struct Case {
    LanguageFamily list;
    int first, count;
  };
  for (const Case& c :
       {Case{LanguageFamily::FirstList, 100, 39}, Case{LanguageFamily::SecondList, 200, 64}}) {
    const auto english = FurtherLanguagesInOrder(c.list, kEn);
    const auto finnish = FurtherLanguagesInOrder(c.list, kFi);
    ASSERT_EQ(static_cast<int>(english.size()), c.count);
    ASSERT_EQ(static_cast<int>(finnish.size()), c.count);
    for (int i = 0; i < c.count; ++i) {
      EXPECT_EQ(english[static_cast<std::size_t>(i)]->code, c.first + i);
    }
    // Every code appears once in the Finnish order too.
    std::vector<int> codes;
    for (const FurtherLanguage* l : finnish)
      codes.push_back(l->code);
    std::ranges::sort(codes);
    for (int i = 0; i < c.count; ++i)
      EXPECT_EQ(codes[static_cast<std::size_t>(i)], c.first + i);
  }
  EXPECT_TRUE(FurtherLanguagesInOrder(LanguageFamily::Local, kFi).empty());
}

}  // namespace
}  // namespace vorla

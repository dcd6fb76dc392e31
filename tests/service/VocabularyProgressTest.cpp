#include <gtest/gtest.h>

#include "service/VocabularyProgress.h"

namespace vorla {
namespace {

TEST(VocabularyProgress, TextsCarryTheNameAndA64BitPercentage) {
  const struct {
    VocabularyTransfer transfer;
    UiLanguage language;
    std::int64_t soFar;
    std::int64_t total;
    const char* expected;
  } cases[] = {
      {VocabularyTransfer::Loading, UiLanguage::English, 0, 0,
       "Loading dictionary 'P\xc3\xa4\xc3\xa4' from the server..."},
      {VocabularyTransfer::Loading, UiLanguage::Finnish, 1, 4,
       "Ladataan sanastoa 'P\xc3\xa4\xc3\xa4' palvelimelta... 25%"},
      // 30,000,000 × 100 does not fit in 32 bits.
      {VocabularyTransfer::Saving, UiLanguage::English, 30'000'000, 32'000'000,
       "Saving dictionary 'P\xc3\xa4\xc3\xa4' to the server... 93%"},
      {VocabularyTransfer::Saving, UiLanguage::Finnish, 5, 5,
       "Tallennetaan sanastoa 'P\xc3\xa4\xc3\xa4' palvelimelle... 100%"},
      {VocabularyTransfer::Saving, UiLanguage::English, 7, 0,
       "Saving dictionary 'P\xc3\xa4\xc3\xa4' to the server..."},  // no total, no percentage
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VocabularyProgressText(c.transfer, "P\xe4\xe4", c.language, c.soFar, c.total),
              c.expected);
  }
}

}  // namespace
}  // namespace vorla

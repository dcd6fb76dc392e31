#include <gtest/gtest.h>

#include "translation/BalanceRule.h"

namespace vorla {
namespace {

TEST(BalanceRule, ByAccountType) {
  const PriceRecord price{.words = 50, .price = 12'500, .secondAmount = 0};
  struct Case {
    int type;
    int quota;
    bool suffices;
  };
  const Case cases[] = {
      {1, 12'500, true},   {1, 12'499, false},  {2, 1, true},  {2, 0, false},
      {3, 50, true},       {3, 49, false},      {4, 50, true}, {4, 0, false},
      {0, 100'000, false}, {5, 100'000, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << ", quota " << c.quota);
    EXPECT_EQ(BalanceSuffices(c.type, c.quota, price), c.suffices);
  }
}

TEST(BalanceRule, QuotaLoweredAfterATranslation) {
  const PriceRecord price{.words = 50, .price = 12'500, .secondAmount = 0};
  EXPECT_EQ(QuotaAfterTranslation(1, 20'000, price, false), 7'500);
  EXPECT_EQ(QuotaAfterTranslation(1, 10'000, price, false), 10'000);
  EXPECT_EQ(QuotaAfterTranslation(2, 7, price, false), 6);
  EXPECT_EQ(QuotaAfterTranslation(2, 7, price, true), 7);
  EXPECT_EQ(QuotaAfterTranslation(3, 700, price, false), 700);
}

}  // namespace
}  // namespace vorla

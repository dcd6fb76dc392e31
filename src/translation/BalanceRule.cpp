#include "translation/BalanceRule.h"

namespace vorla {

namespace {
constexpr int kPaysByPrice = 1;
constexpr int kPaysByTranslation = 2;
constexpr int kFirstListQuota = 3;
constexpr int kSecondListQuota = 4;
}  // namespace

bool BalanceSuffices(int accountType, int quotaLeft, const PriceRecord& price) {
  if (quotaLeft <= 0) return false;
  switch (accountType) {
    case kPaysByPrice:
      return quotaLeft >= price.price;
    case kPaysByTranslation:
      return true;
    case kFirstListQuota:
    case kSecondListQuota:
      return quotaLeft >= price.words;
    default:
      return false;
  }
}

int QuotaAfterTranslation(int accountType, int quotaLeft, const PriceRecord& price,
                          bool priceExempt) {
  if (accountType == kPaysByPrice && quotaLeft >= price.price) return quotaLeft - price.price;
  if (accountType == kPaysByTranslation && !priceExempt) return quotaLeft - 1;
  return quotaLeft;
}

}  // namespace vorla

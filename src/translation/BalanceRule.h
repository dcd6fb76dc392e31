#pragma once

#include "service/PriceRecord.h"

namespace vorla {

// Whether the account's balance covers a priced translation: it must have a quota left,
// and then account type 1 needs the quota to cover the price, type 2 always suffices, and
// types 3 and 4 need it to cover the length in words. Any other type never suffices.
bool BalanceSuffices(int accountType, int quotaLeft, const PriceRecord& price);

// The quota after a translation, as the client lowers it itself until the next login: by
// the price for type 1 (when it covers it), by 1 for type 2 (unless the account is exempt).
int QuotaAfterTranslation(int accountType, int quotaLeft, const PriceRecord& price,
                          bool priceExempt);

}  // namespace vorla

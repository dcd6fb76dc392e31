#include "Pricing.h"

#include <algorithm>
#include <limits>

#include "ServiceCodes.h"
#include "WordTokenizer.h"

namespace vorla::sim {

std::int32_t PriceOf(std::int32_t accountType, std::int32_t words) {
  switch (accountType) {
    case account_type::kPerWord:
      // A price beyond the integer of the answer is sent as the largest there is.
      return static_cast<std::int32_t>(std::min<std::int64_t>(
          std::int64_t{words} * kPricePerWord, std::numeric_limits<std::int32_t>::max()));
    case account_type::kFixedPrice:
      return kFixedPrice;
    case account_type::kFirstList:
    case account_type::kSecondList:
      return words;
    default:
      return 0;
  }
}

std::int32_t CountWords(std::string_view text) {
  std::int32_t words = 0;
  WordTokenizer tokens(text);
  while (const auto token = tokens.Next()) {
    if (token->kind == TokenKind::Word || token->kind == TokenKind::Number) ++words;
  }
  return words;
}

}  // namespace vorla::sim

// `gettrprice`: the length and price of a source before its translation.
#include "JobEncoding.h"
#include "PriceRequest.h"
#include "Pricing.h"
#include "ServiceCodes.h"
#include "TranslationCommands.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfReader.h"

namespace vorla::sim {

namespace {

// The second amount of the answer, which the client keeps and never shows.
constexpr std::int32_t kSecondAmount = 0;

std::string QuoteFor(const PriceRequest& price, const std::optional<SimAccount>& account,
                     TranslationScript& script) {
  if (const auto scripted = script.Next("gettrprice")) return Int32s({scripted->status});
  if (!account) return Int32s({status::kSessionExpired});
  if (price.sourceStatus != 0) return Int32s({price.sourceStatus});
  std::int32_t words = 0;  // a web address is not fetched
  if (price.source) {
    if (price.sourceFormat == format::kRtf) {
      words = CountWords(PaneText(RtfReader().Read(*price.source), StreamEncoding::Utf8));
    } else if (price.sourceFormat == format::kPlainText) {
      words = CountWords(GuessedUtf8(*price.source));
    } else {
      return Int32s({status::kUnsupportedFormat});
    }
  }
  return Int32s({0, words, PriceOf(account->accountType, words), kSecondAmount,
                 account->accountType, account->quota});
}

}  // namespace

SimAnswer QuotePrice(const SimRequest& request, SimContext& context) {
  const PriceRequest price = DecodePriceRequest(request);
  if (!price.refusal.empty()) return MalformedRequest("gettrprice", price.refusal);
  SimAnswer answer;
  answer.body = QuoteFor(price, context.SessionAccount(request), context.translation);
  return answer;
}

}  // namespace vorla::sim

// `getlexinfo`: the lexicon lists of the logged-in user.
#include "common/DataBuffer.h"
#include "service/AnswerReader.h"
#include "service/ServiceClient.h"

namespace vorla {

namespace {

constexpr std::int32_t kLexInfoTimeoutMs = 20'000;
constexpr int kBothEnglishFinnishDirections = 3;
constexpr int kAllLexiconTypes = 2;
constexpr int kLexiconTypeCount = 3;

constexpr std::int32_t kExchangeFailed = 2;
constexpr std::int32_t kTooLong = 9;
constexpr std::int32_t kCancelled = 10;

}  // namespace

std::int32_t ServiceClient::RequestLexiconInfo(std::string& lists) {
  if (IsCancelled()) return kCancelled;
  const ConnectionLease conn = OpenConnection(nullptr, 0, true, kNeverRepeat);
  if (!conn) return kExchangeFailed;
  const std::string body =
      "cmd=getlexinfo&p=7&lanpairs=" + std::to_string(kBothEnglishFinnishDirections) +
      "&voctype=" + std::to_string(kAllLexiconTypes) +
      "&nvoctype=" + std::to_string(kLexiconTypeCount) + "&pid=" + std::to_string(ProductId()) +
      "&uid=" + std::to_string(UserId());
  const Transport sent = Send(*conn, ServiceUrl(), body, kLexInfoTimeoutMs, false);
  if (sent == Transport::Cancelled) return kCancelled;
  if (sent != Transport::Ok) return kExchangeFailed;

  AnswerReader reader(*conn);
  std::array<std::int32_t, 2> header{};  // status, length
  if (!reader.ReadIntegers(header)) return kExchangeFailed;
  if (header[0] != 0) return header[0];
  const auto payload = MakeRef<DataBuffer>();
  const LengthLimit limit{MaxLexInfoLength(), LengthLimit::Refuse::AtOrAbove};
  switch (reader.ReadPayload(header[1], limit, *payload)) {
    case PayloadStatus::Ok:
      lists.assign(ViewOf(*payload));
      return 0;
    case PayloadStatus::Refused:
      return kTooLong;
    case PayloadStatus::Cancelled:
      return kCancelled;
    case PayloadStatus::Lost:
      break;
  }
  return kExchangeFailed;
}

}  // namespace vorla

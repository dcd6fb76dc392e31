// `getaccountinfo` and `updateaccountinfo`: the account window's requests.
#include "common/DataBuffer.h"
#include "service/AnswerReader.h"
#include "service/FormEncoding.h"
#include "service/ServiceClient.h"

namespace vorla {

namespace {

constexpr std::int32_t kExchangeFailed = 2;
constexpr std::int32_t kTooLong = 9;
constexpr std::int32_t kCancelled = 10;
constexpr std::int32_t kSessionExpired = 15;
constexpr std::int32_t kLongestAccountText = 4095;
constexpr std::size_t kLongestUpdateBody = 255;

}  // namespace

std::int32_t ServiceClient::GetAccountInfo(std::string& text, int retry) {
  if (IsCancelled()) return kCancelled;
  std::int32_t status = kExchangeFailed;
  {
    const ConnectionLease conn = OpenConnection(nullptr, 0, true, kNeverRepeat);
    if (!conn) return kExchangeFailed;
    const std::string body = "cmd=getaccountinfo&p=2&pid=" + std::to_string(ProductId());
    const Transport sent =
        Send(*conn, ServiceUrl(), body, GetConfig().limits.request_timeout, false);
    if (sent == Transport::Cancelled) return kCancelled;
    if (sent != Transport::Ok) return kExchangeFailed;

    AnswerReader reader(*conn);
    std::array<std::int32_t, 2> header{};  // status, length
    if (!reader.ReadIntegers(header)) return kExchangeFailed;
    status = header[0];
    if (status == 0) {
      const auto payload = MakeRef<DataBuffer>();
      const LengthLimit limit{kLongestAccountText, LengthLimit::Refuse::Above};
      switch (reader.ReadPayload(header[1], limit, *payload)) {
        case PayloadStatus::Ok:
          text.assign(ViewOf(*payload));
          return 0;
        case PayloadStatus::Refused:
          return kTooLong;
        case PayloadStatus::Cancelled:
          return kCancelled;
        case PayloadStatus::Lost:
          return kExchangeFailed;
      }
    }
  }
  if (status == kSessionExpired && retry == 1 && RenewExpiredSession()) {
    return GetAccountInfo(text, 2);
  }
  return status;
}

std::int32_t ServiceClient::UpdateAccountInfo(std::string_view newPassword) {
  if (IsCancelled()) return kCancelled;
  std::string body = "cmd=updateaccountinfo&p=2&pid=" + std::to_string(ProductId()) + "&passwd=";
  EncodeFormString(newPassword, body);
  if (body.size() > kLongestUpdateBody) return kExchangeFailed;
  const ConnectionLease conn = OpenConnection(nullptr, 0, true, kNeverRepeat);
  if (!conn) return kExchangeFailed;
  const Transport sent = Send(*conn, ServiceUrl(), body, GetConfig().limits.request_timeout, false);
  if (sent == Transport::Cancelled) return kCancelled;
  if (sent != Transport::Ok) return kExchangeFailed;
  std::array<std::int32_t, 2> header{};  // status, length (not used)
  if (!AnswerReader(*conn).ReadIntegers(header)) return kExchangeFailed;
  return header[0];
}

}  // namespace vorla

#include "service/FramedExchange.h"

#include <array>

#include "common/DataBuffer.h"

namespace vorla {

std::int32_t PostFramed(ServiceClient& client, std::string_view body, std::int32_t timeoutMs,
                        const LengthLimit* payloadLimit, std::string* payload) {
  if (client.IsCancelled()) return kFramedCancelled;
  const ServiceClient::ConnectionLease conn = client.OpenConnection(nullptr, 0, true, kNeverRepeat);
  if (!conn) return kFramedExchangeFailed;
  const Transport sent = client.Send(*conn, client.ServiceUrl(), body, timeoutMs, false);
  if (sent == Transport::Cancelled) return kFramedCancelled;
  if (sent != Transport::Ok) return kFramedExchangeFailed;

  AnswerReader reader(*conn);
  std::array<std::int32_t, 2> header{};  // status, length
  if (!reader.ReadIntegers(header)) return kFramedExchangeFailed;
  if (header[0] != 0 || !payloadLimit) return header[0];
  const auto buffer = MakeRef<DataBuffer>();
  switch (reader.ReadPayload(header[1], *payloadLimit, *buffer)) {
    case PayloadStatus::Ok:
      payload->assign(ViewOf(*buffer));
      return 0;
    case PayloadStatus::Refused:
      return kFramedAnswerTooLong;
    case PayloadStatus::Cancelled:
      return kFramedCancelled;
    case PayloadStatus::Lost:
      break;
  }
  return kFramedExchangeFailed;
}

}  // namespace vorla

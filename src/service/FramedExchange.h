#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "service/AnswerReader.h"
#include "service/ServiceClient.h"

namespace vorla {

// Client codes of the exchanges that answer a status and a length.
inline constexpr std::int32_t kFramedExchangeFailed = 2;
inline constexpr std::int32_t kFramedAnswerTooLong = 9;
inline constexpr std::int32_t kFramedCancelled = 10;

// One exchange of a command whose answer starts with a status and a length: posts the body
// (not chunked, no repeat) and reads the header and, with status 0 when a payload is
// expected, the payload within its limit. The status, or a client code above.
std::int32_t PostFramed(ServiceClient& client, std::string_view body, std::int32_t timeoutMs,
                        const LengthLimit* payloadLimit, std::string* payload);

}  // namespace vorla

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "SimRequest.h"

namespace vorla::sim {

// A `cmd=gettrprice` request as the service reads it; a test reads back what its client
// sent with DecodePriceRequest(simulator.Requests().back()).
struct PriceRequest {
  // A protocol break, answered with HTTP 400 and this reason; empty for a good request.
  std::string refusal;
  // 5 when the compressed source does not inflate.
  std::int32_t sourceStatus = 0;

  std::int32_t sourceFormat = 0;
  std::int32_t formatting = 0;
  std::uint32_t flags = 0;  // trflags
  std::optional<std::int32_t> activeSentence;
  std::optional<std::string> source;  // srctxt, inflated
  std::optional<std::string> sourceUrl;
};

// Decodes and checks a `gettrprice` request: cmd, type (0), srcformat, pid and formating,
// then trflags, actsent, srctxt and srcurl as they apply, in that order, each at most once;
// one of srctxt and srcurl; trflags, actsent and the compressed source as for `tr`.
PriceRequest DecodePriceRequest(const SimRequest& request);

}  // namespace vorla::sim

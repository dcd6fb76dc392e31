#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ServiceSimulator.h"

namespace vorla::test {

// Commands the tests register with the simulator:
// - "blob": answers n pattern bytes as they are. Optional fields: "cookie" (the Set-Cookie
//   value), "ctype" (the Content-Type, "-" for none), "status" and "location" (a redirect).
// - "echo": answers the raw body it received.
// - "framed": answers as the service frames a payload: status 0, length n, n pattern bytes.
void RegisterTestCommands(sim::ServiceSimulator& simulator);

// The answer of a translation as the service frames it: status 0, the languages and the
// result.
std::string TranslationAnswer(std::string_view result, int source = 0, int target = 1);

// n bytes of a repeating pattern that is not the same at every offset.
std::string PatternBytes(std::size_t n);

}  // namespace vorla::test

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FormDecoder.h"

namespace vorla::sim {

// One request as the simulator received it, kept in its log for the tests to inspect.
struct SimRequest {
  std::string method;
  std::string path;
  std::vector<std::pair<std::string, std::string>> headers;  // in the order received
  std::string body;                                          // raw bytes
  std::vector<FormField> fields;                             // decoded, in order

  // The first header of that name (any letter case).
  std::optional<std::string> Header(std::string_view name) const;
  // The first field of that name.
  const std::string* Field(std::string_view name) const;
};

// What a command handler answers. The service's answers are binary, so the default type
// says so.
struct SimAnswer {
  int status = 200;
  std::string body;
  std::string contentType = "application/octet-stream";      // empty: no Content-Type
  std::optional<std::string> setCookie;                      // the whole Set-Cookie value
  std::vector<std::pair<std::string, std::string>> headers;  // further headers (Location)
  // Where the body announces its payload's length (a 32-bit integer) and where a zlib
  // stream starts in it, for the faults that lie about the one and break the other.
  std::optional<std::size_t> lengthAt;
  std::optional<std::size_t> zlibAt;
};

// An HTTP answer with a text, as the simulator refuses what breaks the protocol.
SimAnswer TextAnswer(int status, std::string text);
// HTTP 400 for a request of the command that breaks the protocol, with the reason:
// "malformed tr request: field 'tgtlan' missing".
SimAnswer MalformedRequest(std::string_view command, const std::string& reason);

// Big-endian 32-bit integers as the service frames its answers.
void AppendInt32(std::string& out, std::int32_t value);
std::string Int32s(std::initializer_list<std::int32_t> values);

// The answer of the commands framed as a status, a length and the payload of that length;
// its length can be lied about.
SimAnswer FramedAnswer(std::int32_t status, std::string_view payload = {});

}  // namespace vorla::sim

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorla::sim {

// The zlib stream format (header and checksum), as the service sends and takes compressed
// texts. Written here with zlib itself, apart from the client's compression code.

// The bytes of a complete stream; nothing for a malformed or truncated one, one with bytes
// after its end, or one that would inflate to more than `longest` bytes.
std::optional<std::string> InflateStream(std::string_view stream, std::size_t longest);

// One stream at the default level.
std::string DeflateStream(std::string_view bytes);

}  // namespace vorla::sim

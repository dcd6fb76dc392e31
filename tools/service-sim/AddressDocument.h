#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorla::sim {

// The stand-in for a web page or online document the simulator does not fetch: a real
// document of the format whose text is the one paragraph given (UTF-8); plain text and HTML
// in the request's encoding. Nothing for a format it cannot make.
std::optional<std::string> DocumentWithText(std::string_view text, std::int32_t format,
                                            std::int32_t encoding);

}  // namespace vorla::sim

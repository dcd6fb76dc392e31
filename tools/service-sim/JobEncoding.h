#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorla::sim {

// Text in the code page of a request's encoding index (`enc`) as UTF-8, and back. A
// character the code page cannot hold comes back as "?".
std::string JobTextToUtf8(std::string_view bytes, std::int32_t encoding);
std::string Utf8ToJobText(std::string_view utf8, std::int32_t encoding);

// Text whose encoding the request does not say (`gettrprice`): UTF-8 when it is valid
// UTF-8, else Windows-1252.
std::string GuessedUtf8(std::string_view bytes);

}  // namespace vorla::sim

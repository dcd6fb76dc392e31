#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla {

// The Finnish name of a built-in domain lexicon, looked up by its English name in the
// domain tables; nothing for a name they do not hold. Both are Windows-1252.
std::optional<std::string> FinnishDomainName(std::string_view englishName);

}  // namespace vorla

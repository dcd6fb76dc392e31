#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/UiLanguage.h"

namespace vorla {

enum class VocabularyTransfer { Loading, Saving };

// What a dictionary observer shows while a dictionary travels: "Loading dictionary 'name'
// from the server..." or "Saving dictionary 'name' to the server...", followed by the
// percentage of soFar in total ("%s %d%%") when the total gives one (above 0). The name is
// Windows-1252, the text UTF-8. Percentages are reckoned in 64 bits, so no size of a
// dictionary overflows them.
std::string VocabularyProgressText(VocabularyTransfer transfer, std::string_view name,
                                   UiLanguage language, std::int64_t soFar = 0,
                                   std::int64_t total = 0);

}  // namespace vorla

#pragma once

#include <string_view>

namespace vorla {

// The separator of a CSV text: ';', ',' or a tab. The first line that holds only one of the
// three outside quotes decides; a character after a closing quote decides a mixed line; ';'
// when nothing decides.
char DetectCsvSeparator(std::string_view text);

}  // namespace vorla

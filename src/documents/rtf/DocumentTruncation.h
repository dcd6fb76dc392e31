#pragma once

#include <cstddef>

#include "documents/rtf/RichDocument.h"

namespace vorla {

// Cuts a document after `maxCharacters` characters as the panes count them (one for each
// paragraph break, tab, line break and object), as a pane with a text limit does.
void TruncateDocument(RichDocument& document, std::size_t maxCharacters);

}  // namespace vorla

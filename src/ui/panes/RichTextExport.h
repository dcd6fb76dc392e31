#pragma once

#include <QTextDocument>

#include "documents/rtf/RichDocument.h"

namespace vorla {

// The part of a Qt document from `from` to `to` (Qt positions, `to` excluded) as the
// rich-text model: one paragraph for each block the range touches, including the empty
// start of the block after a paragraph break that ends the range.
RichDocument RichDocumentFromRange(const QTextDocument& document, int from, int to);

}  // namespace vorla

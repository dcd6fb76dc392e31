#pragma once

#include <QTextCursor>
#include <cstddef>
#include <limits>
#include <string_view>

#include "documents/rtf/RichDocument.h"
#include "ui/panes/RichTextFormats.h"

namespace vorla {

// RTF as the panes read it: objects kept, read as UTF-8 when the code page is UTF-8 (the
// further-language families), else in the code pages the RTF declares; what lies beyond
// maxCharacters is not kept.
RichDocument ReadPaneRtf(std::string_view rtf, int codePage,
                         std::size_t maxCharacters = std::numeric_limits<std::size_t>::max());

// Inserts a document at the cursor: its first paragraph continues the cursor's block (and
// gives it its format when the block is empty), every further paragraph starts a block.
// Line breaks become U+2028 and objects one U+FFFC each, so that every character position
// of the document's pane text is one position in Qt's document (outside the BMP, two).
void InsertRichDocument(QTextCursor& cursor, const RichDocument& document,
                        double unitsPerTwip = kScreenUnitsPerTwip);

}  // namespace vorla

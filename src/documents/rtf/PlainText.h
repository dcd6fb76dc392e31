#pragma once

#include <string>
#include <string_view>

#include "documents/rtf/RichDocument.h"
#include "documents/rtf/StreamEncoding.h"

namespace vorla {

// The text of a pane as positions count it: one character for each paragraph break ('\n'),
// tab ('\t'), line break ('\v') and object (U+FFFC), so that character offsets into it match
// the pane's. In Windows-1252 every other character without an equivalent becomes "?", and a
// byte offset is a character offset.
std::string PaneText(const RichDocument& document, StreamEncoding encoding);

// The text written to a .txt file: CR LF between paragraphs and for each line break, objects
// left out. Reading it back with DocumentFromPlainText gives the same text again.
std::string FileText(const RichDocument& document, StreamEncoding encoding);

// Plain text as an unformatted document: CR LF, CR and LF each end a paragraph.
RichDocument DocumentFromPlainText(std::string_view text, StreamEncoding encoding);

}  // namespace vorla

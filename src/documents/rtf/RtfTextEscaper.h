#pragma once

#include <string>
#include <string_view>

#include "documents/rtf/StreamEncoding.h"

namespace vorla {

// Appends UTF-8 text as RTF text: \, { and } escaped, tabs and line breaks as \tab and
// \line, other control characters left out, and characters beyond ASCII as the encoding
// wants them.
void AppendRtfText(std::string& out, std::string_view utf8, StreamEncoding encoding);

}  // namespace vorla

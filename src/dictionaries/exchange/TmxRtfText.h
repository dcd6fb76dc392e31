#pragma once

#include <string>
#include <string_view>

namespace vorla {

// The plain text of a TMX segment of datatype "rtf" (Windows-1252): line breaks dropped,
// groups of the font, style and colour tables, pictures, headers, footers, footnotes,
// information and objects, and every "\*" group, left out whole; other braces and control
// words removed; \'hh and \uN below 256 decoded, \\ \{ \} kept as their character. A text
// without any control stays as it is. False when it overflows the 400-byte text field: a
// run of 400 plain bytes or more, or a result of more than 399 bytes.
bool TmxRtfText(std::string_view rtf, std::string& text);

}  // namespace vorla

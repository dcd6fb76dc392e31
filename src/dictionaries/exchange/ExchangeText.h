#pragma once

#include <string>
#include <string_view>

namespace vorla {

// A dictionary text (Windows-1252, where "&#N;" stands for a character the code page lacks)
// as the Unicode text the exchange files carry, in UTF-8: each reference of 1 to 5 digits
// becomes its character (65536 and above a blank), and the five bytes Windows-1252 leaves
// undefined become the characters of their value (0x81 U+0081). A reference naming a
// character XML cannot carry stays as its text, which the XML writer keeps visible.
std::string ExportedText(std::string_view text);

}  // namespace vorla

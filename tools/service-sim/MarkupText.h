#pragma once

#include <string>
#include <string_view>

#include "TextTranslator.h"

namespace vorla::sim {

// HTML or XML (UTF-8) with its text nodes translated and everything else as it came: tags
// with their attributes, comments, CDATA sections, declarations, processing instructions,
// character references, and the content of script and style elements.
std::string TranslateMarkupText(std::string_view markup, TextTranslator& translator);

}  // namespace vorla::sim

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "TextTranslator.h"

namespace vorla::sim {

// An OOXML or OpenDocument file (docx, pptx, xlsx, odt, odp, ods) with the text nodes of the
// XML parts that hold its text translated and every other member copied; nothing when the
// bytes are not a ZIP archive.
std::optional<std::string> TranslateOfficePackage(std::string_view package,
                                                  TextTranslator& translator);

}  // namespace vorla::sim

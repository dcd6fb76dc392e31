#pragma once

#include <optional>
#include <string>

#include "documents/rtf/RichDocument.h"

namespace vorla::cli {

// The text a verb translates: its argument, or the standard input when the argument is
// "-" or missing. UTF-8.
std::string ReadTranslationInput(const std::optional<std::string>& argument);

// The input as the source pane would hold it: plain text, or RTF read as a document.
RichDocument InputDocument(std::string_view input, bool rtf);

}  // namespace vorla::cli

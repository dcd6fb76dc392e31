#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla::sim {

// The text of a PDF as pdftotext reads it (UTF-8, a form feed after each page); nothing when
// the program is missing or the bytes are not a PDF it reads.
std::optional<std::string> PdfText(std::string_view pdf);

// A legacy binary Office file (doc, ppt, xls) as its OOXML twin, and back, through
// LibreOffice's soffice with a profile of this process; nothing when that fails.
std::optional<std::string> LegacyToOoxml(std::string_view document, std::int32_t format);
std::optional<std::string> OoxmlToLegacy(std::string_view document, std::int32_t format);

}  // namespace vorla::sim

#pragma once

#include <cstdint>
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

// A document of an Office format (4, 7, 9 to 15) that holds the one paragraph of text
// (UTF-8): a text document, a spreadsheet cell or a slide, made by soffice.
std::optional<std::string> OfficeDocumentWithText(std::string_view text, std::int32_t format);

}  // namespace vorla::sim

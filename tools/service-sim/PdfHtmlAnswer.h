#pragma once

#include <string>
#include <string_view>

#include "TextTranslator.h"

namespace vorla::sim {

// The answer to a PDF translated into HTML (trflags 0x8000000): the page and the package of
// its pictures that goes in the second part.
struct PdfHtmlAnswer {
  std::string page;
  std::string package;
};

// The name under which the page refers to itself.
inline constexpr std::string_view kPdfHtmlDocumentName = "document.html";

// The translated text of the PDF (form feeds between pages) as one HTML page: an anchor and a
// link to the next page's anchor ("document.html#pageN") per page, a link to the page itself
// at the top, and, unless pictures are left out (formatting 1 or 5), a small picture per page
// written as "\r\n<IMG width=..." and carried in the package.
PdfHtmlAnswer PdfAsHtml(std::string_view text, bool withPictures, TextTranslator& translator);

}  // namespace vorla::sim

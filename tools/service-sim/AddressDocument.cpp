#include "AddressDocument.h"

#include "ConverterTools.h"
#include "JobEncoding.h"
#include "MarkupText.h"
#include "PdfWriter.h"
#include "ServiceCodes.h"
#include "common/Windows1252.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfWriter.h"

namespace vorla::sim {

std::optional<std::string> DocumentWithText(std::string_view text, std::int32_t format,
                                            std::int32_t encoding) {
  switch (format) {
    case format::kPlainText:
    case format::kCsv:
      return Utf8ToJobText(text, encoding);
    case format::kRtf:
      return RtfWriter().Write(
          DocumentFromPlainText(Utf8ToCp1252(text), StreamEncoding::Windows1252));
    case format::kHtml:
      return Utf8ToJobText("<html><head><title>" + EscapedMarkup(text) +
                               "</title></head><body><p>" + EscapedMarkup(text) +
                               "</p></body></html>\r\n",
                           encoding);
    case format::kXml:
      return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<document>" + EscapedMarkup(text) +
             "</document>\n";
    case format::kPdf:
      return TextPdf(text);
    default:
      return OfficeDocumentWithText(text, format);
  }
}

}  // namespace vorla::sim

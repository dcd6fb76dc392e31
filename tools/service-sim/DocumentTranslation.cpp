#include "DocumentTranslation.h"

#include <algorithm>
#include <span>

#include "ConverterTools.h"
#include "CsvText.h"
#include "JobEncoding.h"
#include "MarkupText.h"
#include "OfficePackage.h"
#include "PdfHtmlAnswer.h"
#include "PdfWriter.h"
#include "ServiceCodes.h"
#include "TranslationFlags.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfWriter.h"

namespace vorla::sim {
namespace {

constexpr std::int32_t kWindows1252 = 2;
// "formating" values that leave the pictures out of a PDF translated into HTML.
constexpr std::int32_t kTextOnly = 1;
constexpr std::int32_t kNoImages = 5;

constexpr std::int32_t kPackageFormats[] = {format::kOdt,  format::kOdp,  format::kOds,
                                            format::kDocx, format::kPptx, format::kXlsx};
constexpr std::int32_t kLegacyFormats[] = {format::kDoc, format::kPpt, format::kXls};

bool IsOneOf(std::int32_t format, std::span<const std::int32_t> formats) {
  return std::find(formats.begin(), formats.end(), format) != formats.end();
}

DocumentAnswer Unreadable() {
  return {.status = status::kUnsupportedFormat};
}

DocumentAnswer FromPackage(std::optional<std::string> bytes) {
  if (!bytes) return Unreadable();
  return {.bytes = std::move(*bytes)};
}

// Undeclared 8-bit text (CSV, XML) is kept in UTF-8 when it is that, else in Windows-1252.
template <class Translate>
std::string InItsEncoding(const std::string& bytes, Translate translate) {
  const std::string utf8 = GuessedUtf8(bytes);
  const std::string translated = translate(utf8);
  return utf8 == bytes ? translated : Utf8ToJobText(translated, kWindows1252);
}

// Each line translated as a paragraph; line feeds and form feeds stay.
std::string TranslateLines(std::string_view text, TextTranslator& translator) {
  std::string out;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of("\n\f"), text.size());
    if (end > 0) out += translator.Translate(text.substr(0, end));
    translator.EndParagraph();
    if (end == text.size()) break;
    out += text[end];
    text.remove_prefix(end + 1);
  }
  return out;
}

DocumentAnswer TranslatePdf(const TranslationRequest& tr, TextTranslator& translator) {
  const std::optional<std::string> text = PdfText(*tr.source);
  if (!text) return Unreadable();
  if (tr.targetFormat == format::kHtml) {
    const bool pictures = tr.formatting != kTextOnly && tr.formatting != kNoImages;
    PdfHtmlAnswer html = PdfAsHtml(*text, pictures, translator);
    return {.bytes = std::move(html.page), .package = std::move(html.package)};
  }
  const std::string translated = TranslateLines(*text, translator);
  if (tr.targetFormat == format::kRtf) {
    return {.bytes = RtfWriter().Write(DocumentFromPlainText(
                Utf8ToJobText(translated, kWindows1252), StreamEncoding::Windows1252))};
  }
  return {.bytes = TextPdf(translated)};
}

}  // namespace

bool IsDocumentFormat(std::int32_t format) {
  return format == format::kHtml || format == format::kXml || format == format::kCsv ||
         format == format::kPdf || IsOneOf(format, kPackageFormats) ||
         IsOneOf(format, kLegacyFormats);
}

DocumentAnswer TranslateDocument(const TranslationRequest& tr, const WordMode& mode) {
  TextTranslator translator(mode);
  const std::string& source = *tr.source;
  const auto markup = [&translator](std::string_view text) {
    return TranslateMarkupText(text, translator);
  };
  switch (tr.sourceFormat) {
    case format::kHtml:
      return {.bytes = Utf8ToJobText(markup(JobTextToUtf8(source, tr.encoding)), tr.encoding)};
    case format::kXml:
      return {.bytes = InItsEncoding(source, markup)};
    case format::kCsv:
      return {.bytes = InItsEncoding(source, [&translator](std::string_view text) {
                return TranslateCsvCells(text, translator);
              })};
    case format::kPdf:
      return TranslatePdf(tr, translator);
    default:
      break;
  }
  if (IsOneOf(tr.sourceFormat, kPackageFormats)) {
    return FromPackage(TranslateOfficePackage(source, translator));
  }
  const std::optional<std::string> ooxml = LegacyToOoxml(source, tr.sourceFormat);
  if (!ooxml) return Unreadable();
  const std::optional<std::string> translated = TranslateOfficePackage(*ooxml, translator);
  if (!translated) return Unreadable();
  return FromPackage(OoxmlToLegacy(*translated, tr.sourceFormat));
}

}  // namespace vorla::sim

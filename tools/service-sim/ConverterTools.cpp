#include "ConverterTools.h"

#include <fstream>
#include <iterator>

#include "MarkupText.h"
#include "ServiceCodes.h"
#include "platform/ChildProcess.h"
#include "platform/SofficeConverter.h"
#include "platform/TemporaryFolder.h"

namespace vorla::sim {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

enum class Family { kText, kSpreadsheet, kPresentation };

// An Office format as soffice writes it: its family, extension and export filter.
struct OfficeFormat {
  std::int32_t format;
  Family family;
  std::string_view extension;
  std::string_view convertTo;
};

constexpr OfficeFormat kOfficeFormats[] = {
    {format::kDoc, Family::kText, "doc", "doc:MS Word 97"},
    {format::kOdt, Family::kText, "odt", "odt:writer8"},
    {format::kDocx, Family::kText, "docx", "docx:MS Word 2007 XML"},
    {format::kXls, Family::kSpreadsheet, "xls", "xls:MS Excel 97"},
    {format::kOds, Family::kSpreadsheet, "ods", "ods:calc8"},
    {format::kXlsx, Family::kSpreadsheet, "xlsx", "xlsx:Calc MS Excel 2007 XML"},
    {format::kPpt, Family::kPresentation, "ppt", "ppt:MS PowerPoint 97"},
    {format::kOdp, Family::kPresentation, "odp", "odp:impress8"},
    {format::kPptx, Family::kPresentation, "pptx", "pptx:Impress MS PowerPoint 2007 XML"},
};

constexpr std::pair<std::int32_t, std::int32_t> kOoxmlTwins[] = {
    {format::kDoc, format::kDocx},
    {format::kXls, format::kXlsx},
    {format::kPpt, format::kPptx},
};

const OfficeFormat* FindFormat(std::int32_t format) {
  for (const OfficeFormat& office : kOfficeFormats) {
    if (office.format == format) return &office;
  }
  return nullptr;
}

std::optional<std::int32_t> OoxmlTwin(std::int32_t legacy) {
  for (const auto& [from, twin] : kOoxmlTwins) {
    if (from == legacy) return twin;
  }
  return std::nullopt;
}

// One profile for the simulator's process, removed when it ends.
SofficeConverter& Soffice() {
  static const TemporaryFolder profile(fs::temp_directory_path());
  static SofficeConverter converter({.profileFolder = profile.path() / "profile"});
  return converter;
}

std::optional<std::string> Convert(std::string_view document, std::string_view fromExtension,
                                   std::int32_t to) {
  const OfficeFormat* target = FindFormat(to);
  if (!target) return std::nullopt;
  return Soffice().Convert(document, {fromExtension, target->convertTo, target->extension});
}

// A flat OpenDocument file of the family holding the paragraph, and its extension.
std::pair<std::string, std::string_view> FlatDocument(Family family, std::string_view text) {
  const std::string paragraph = "<text:p>" + EscapedMarkup(text) + "</text:p>";
  const std::string head =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document "
      "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
      "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
      "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
      "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
      "xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\" "
      "office:version=\"1.3\" office:mimetype=\"application/vnd.oasis.opendocument.";
  switch (family) {
    case Family::kText:
      return {head + "text\"><office:body><office:text>" + paragraph +
                  "</office:text></office:body></office:document>\n",
              "fodt"};
    case Family::kSpreadsheet:
      return {head +
                  "spreadsheet\"><office:body><office:spreadsheet><table:table "
                  "table:name=\"Sheet1\"><table:table-row><table:table-cell "
                  "office:value-type=\"string\">" +
                  paragraph +
                  "</table:table-cell></table:table-row></table:table></office:spreadsheet>"
                  "</office:body></office:document>\n",
              "fods"};
    case Family::kPresentation:
      break;
  }
  return {head +
              "presentation\"><office:body><office:presentation><draw:page "
              "draw:name=\"page1\"><draw:frame svg:width=\"20cm\" svg:height=\"3cm\" "
              "svg:x=\"2cm\" svg:y=\"2cm\"><draw:text-box>" +
              paragraph +
              "</draw:text-box></draw:frame></draw:page></office:presentation></office:body>"
              "</office:document>\n",
          "fodp"};
}

}  // namespace

std::optional<std::string> PdfText(std::string_view pdf) {
  const TemporaryFolder work(fs::temp_directory_path());
  if (work.path().empty()) return std::nullopt;
  const fs::path source = work.path() / "in.pdf";
  const fs::path text = work.path() / "out.txt";
  std::ofstream(source, std::ios::binary).write(pdf.data(), std::streamsize(pdf.size()));
  if (!RunProgram("/usr/bin/pdftotext", {"-enc", "UTF-8", source.string(), text.string()}, 60s)
           .Succeeded()) {
    return std::nullopt;
  }
  std::ifstream in(text, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<std::string> LegacyToOoxml(std::string_view document, std::int32_t format) {
  const OfficeFormat* legacy = FindFormat(format);
  const std::optional<std::int32_t> twin = OoxmlTwin(format);
  if (!legacy || !twin) return std::nullopt;
  return Convert(document, legacy->extension, *twin);
}

std::optional<std::string> OoxmlToLegacy(std::string_view document, std::int32_t format) {
  const std::optional<std::int32_t> twin = OoxmlTwin(format);
  if (!twin) return std::nullopt;
  return Convert(document, FindFormat(*twin)->extension, format);
}

std::optional<std::string> OfficeDocumentWithText(std::string_view text, std::int32_t format) {
  const OfficeFormat* office = FindFormat(format);
  if (!office) return std::nullopt;
  const auto [flat, extension] = FlatDocument(office->family, text);
  return Convert(flat, extension, format);
}

}  // namespace vorla::sim

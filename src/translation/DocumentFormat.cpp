#include "translation/DocumentFormat.h"

#include <array>

#include "common/Windows1252.h"

namespace vorla {

namespace {

// Formats 1 to 15 are their position in this list.
constexpr std::array<std::string_view, 15> kExtensions = {"txt", "rtf", "html", "doc",  "pdf",
                                                          "csv", "odt", "xml",  "ppt",  "odp",
                                                          "xls", "ods", "docx", "pptx", "xlsx"};

struct OtherExtension {
  std::string_view extension;
  int format;
};

constexpr OtherExtension kOtherExtensions[] = {
    {"htm", kFormatHtml}, {"xht", kFormatHtml}, {"xhtml", kFormatHtml},
    {"lnk", kFormatLnk},  {"tmx", kFormatTmx},
};

bool SameExtension(std::string_view a, std::string_view b) {
  return Cp1252CompareNoCase(a, b) == 0;
}

}  // namespace

int FormatOfExtension(std::string_view extension) {
  for (std::size_t i = 0; i < kExtensions.size(); ++i) {
    if (SameExtension(extension, kExtensions[i])) return static_cast<int>(i) + 1;
  }
  for (const OtherExtension& other : kOtherExtensions) {
    if (SameExtension(extension, other.extension)) return other.format;
  }
  return kFormatUnknown;
}

int FormatOfFileName(std::string_view name) {
  const std::size_t dot = name.find_last_of('.');
  const std::size_t separator = name.find_last_of("/\\");
  if (dot == std::string_view::npos) return kFormatUnknown;
  // A dot in a folder name does not start an extension.
  if (separator != std::string_view::npos && separator > dot) return kFormatUnknown;
  return FormatOfExtension(name.substr(dot + 1));
}

std::string_view ExtensionOfFormat(int format) {
  if (format >= 1 && format <= static_cast<int>(kExtensions.size())) {
    return kExtensions[static_cast<std::size_t>(format - 1)];
  }
  if (format == kFormatLnk) return "lnk";
  if (format == kFormatTmx) return "tmx";
  return {};
}

bool IsBinaryOfficeFormat(int format) {
  return format == kFormatDoc || format == kFormatPpt || format == kFormatXls;
}

}  // namespace vorla

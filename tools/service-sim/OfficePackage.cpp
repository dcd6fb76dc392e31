#include "OfficePackage.h"

#include <array>

#include "MarkupText.h"
#include "ZipArchive.h"

namespace vorla::sim {
namespace {

// The parts whose text nodes are the document's text, by the start and end of their names;
// the others hold styles, settings, numbers and formulas.
bool HoldsText(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kTextParts = {{
      {"content.xml", ""},           // OpenDocument
      {"word/document.xml", ""},     // Word
      {"word/header", ".xml"},       // Word headers and footers
      {"word/footer", ".xml"},       //
      {"ppt/slides/slide", ".xml"},  // PowerPoint
      {"xl/sharedStrings.xml", ""},  // Excel
  }};
  for (const auto& [start, end] : kTextParts) {
    if (end.empty() ? name == start : name.starts_with(start) && name.ends_with(end)) return true;
  }
  return false;
}

}  // namespace

std::optional<std::string> TranslateOfficePackage(std::string_view package,
                                                  TextTranslator& translator) {
  std::optional<std::vector<ZipEntry>> entries = ReadZip(package);
  if (!entries) return std::nullopt;
  for (ZipEntry& entry : *entries) {
    if (HoldsText(entry.name)) entry.data = TranslateMarkupText(entry.data, translator);
  }
  return WriteZip(*entries);
}

}  // namespace vorla::sim

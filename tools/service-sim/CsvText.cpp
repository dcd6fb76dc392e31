#include "CsvText.h"

#include <algorithm>

namespace vorla::sim {
namespace {

constexpr std::string_view kSeparators = ",;\t\r\n";
// Where an unquoted cell ends.
constexpr std::string_view kCellEnds = ",;\t\r\n\"";

void TranslateCell(std::string_view cell, TextTranslator& translator, std::string& out) {
  if (cell.find_first_not_of(' ') == std::string_view::npos) {
    out += cell;
  } else {
    out += translator.Translate(cell);
  }
}

// The end of a quoted cell that starts at rest's front: one past its closing quote ("" is a
// quote within the cell), or the end of rest.
std::size_t QuotedCellEnd(std::string_view rest) {
  for (std::size_t at = 1; at < rest.size(); ++at) {
    if (rest[at] != '"') continue;
    if (at + 1 < rest.size() && rest[at + 1] == '"') {
      ++at;
      continue;
    }
    return at + 1;
  }
  return rest.size();
}

}  // namespace

std::string TranslateCsvCells(std::string_view csv, TextTranslator& translator) {
  std::string out;
  out.reserve(csv.size() + csv.size() / 4);
  while (!csv.empty()) {
    const char c = csv.front();
    if (c == '\n') translator.EndParagraph();
    if (kSeparators.find(c) != std::string_view::npos) {
      out += c;
      csv.remove_prefix(1);
    } else if (c == '"') {
      const std::size_t end = QuotedCellEnd(csv);
      const bool closed = end >= 2 && csv[end - 1] == '"';
      out += '"';
      TranslateCell(csv.substr(1, end - 1 - (closed ? 1 : 0)), translator, out);
      if (closed) out += '"';
      csv.remove_prefix(end);
    } else {
      const std::size_t end = std::min(csv.find_first_of(kCellEnds), csv.size());
      TranslateCell(csv.substr(0, end), translator, out);
      csv.remove_prefix(end);
    }
  }
  return out;
}

}  // namespace vorla::sim

#include "dictionaries/exchange/CsvCells.h"

namespace vorla {

namespace {

constexpr char kQuote = '"';

std::string Undoubled(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    out.push_back(text[i]);
    if (text[i] == kQuote && i + 1 < text.size() && text[i + 1] == kQuote) ++i;
  }
  return out;
}

}  // namespace

bool IsCsvBlank(char c) {
  return c == '\t' || c == '\n' || c == '\r' || c == ' ' || c == '\xA0';
}

std::string_view TrimCsvBlanks(std::string_view text) {
  while (!text.empty() && IsCsvBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsCsvBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string CsvCell::Value() const {
  const std::string_view trimmed = TrimCsvBlanks(raw);
  return quoted ? Undoubled(trimmed) : std::string(trimmed);
}

std::optional<CsvCell> CsvLineCells::Next() {
  if (pos_ > line_.size()) return std::nullopt;
  const std::size_t start = pos_;
  const auto runToSeparator = [&](std::size_t from, std::size_t textStart, bool quoted) {
    const std::size_t end = line_.find(separator_, from);
    if (end == std::string_view::npos) {
      pos_ = line_.size() + 1;
      return CsvCell{line_.substr(textStart), quoted, false};
    }
    pos_ = end + 1;
    return CsvCell{line_.substr(textStart, end - textStart), quoted, true};
  };
  if (start == line_.size() || line_[start] != kQuote) return runToSeparator(start, start, false);

  std::size_t at = start + 1;
  while (at < line_.size()) {
    if (line_[at] != kQuote) {
      ++at;
    } else if (at + 1 < line_.size() && line_[at + 1] == kQuote) {
      at += 2;
    } else {
      break;
    }
  }
  if (at >= line_.size()) {  // no closing quote: the cell runs to the line end
    pos_ = line_.size() + 1;
    return CsvCell{line_.substr(start + 1), true, false};
  }
  if (at + 1 == line_.size() || line_[at + 1] == separator_) {
    pos_ = at + 2;
    return CsvCell{line_.substr(start + 1, at - start - 1), true, true};
  }
  return runToSeparator(at + 1, start + 1, true);
}

void AppendQuotedCell(std::string& out, std::string_view text, char separator) {
  if (text.find(separator) == std::string_view::npos &&
      text.find(kQuote) == std::string_view::npos) {
    out.append(text);
    return;
  }
  out.push_back(kQuote);
  for (const char c : text) {
    out.push_back(c);
    if (c == kQuote) out.push_back(kQuote);
  }
  out.push_back(kQuote);
}

}  // namespace vorla

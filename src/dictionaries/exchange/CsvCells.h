#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorla {

// One cell of a CSV line as the tokenizer found it.
struct CsvCell {
  // After the opening quote of a quoted cell, doubled quotes still doubled.
  std::string_view raw;
  bool quoted = false;
  // A separator follows, or a quoted cell closed at its quote: the cell has an end.
  bool hasEnd = false;

  // The text trimmed, with the doubled quotes of a quoted cell undoubled.
  std::string Value() const;
};

// The cells of one line (without its line end). A cell that does not begin with a double
// quote runs to the next separator. A quoted cell runs to its closing quote (a doubled quote
// does not close it) when the separator or the line end follows that quote; otherwise it runs
// on to the next separator, closing quote included. A line ending in a separator has one
// more, empty, cell.
class CsvLineCells {
 public:
  CsvLineCells(std::string_view line, char separator) : line_(line), separator_(separator) {}

  std::optional<CsvCell> Next();

 private:
  std::string_view line_;
  char separator_;
  std::size_t pos_ = 0;
};

// The white space cells are trimmed of: tab, line feed, carriage return, blank, no-break space.
bool IsCsvBlank(char c);
std::string_view TrimCsvBlanks(std::string_view text);

// Appends a cell's text, in double quotes with every double quote doubled when it holds the
// separator or a double quote.
void AppendQuotedCell(std::string& out, std::string_view text, char separator);

}  // namespace vorla

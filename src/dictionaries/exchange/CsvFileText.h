#pragma once

#include <filesystem>
#include <string>

namespace vorla {

// The bytes of a CSV file as Windows-1252 text: UTF-8 or UTF-16 with a byte-order mark, and
// UTF-8 without one when it looks like UTF-8, are converted as imported text; anything else
// is taken as Windows-1252.
std::string CsvTextOfFileBytes(std::string bytes);

struct CsvFileText {
  int result = 0;  // 0, or -5 for a file that cannot be read, is empty or is too large
  std::string text;
};

// Reads a CSV file whole; its size is checked against the document file limit first.
CsvFileText ReadCsvFileText(const std::filesystem::path& path);

}  // namespace vorla

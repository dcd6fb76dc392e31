#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vorla {

// Where the workbook conversions work and how large a part may be (the configuration's
// temporary directory and limits.max_length).
struct WorkbookPlace {
  std::filesystem::path temporaryFolder;
  std::size_t maxLength = 32'000'000;
};

// Turns CSV text (Windows-1252, ';' between cells) into a one-sheet XLSX workbook appended to
// out: one row per line (an empty line leaves a gap), at most 18 cells a row, the first row
// bold; "0" and 1 to 9 digits without a leading zero are numbers, other cells shared strings.
// Returns 0, -5 (the working copy could not be read back) or -8 (no template, no working
// copy, the template's worksheet unusable, or the archive not written).
int WriteWorkbook(std::string_view csv, std::string& out, const WorkbookPlace& place);

// Appends the first sheet of a workbook as CSV text (Windows-1252, ';' between cells, CR LF
// after every row, cells quoted when they hold ';' or a double quote); columns A to N are
// kept in their places. Returns 0, -1 (content that does not follow the format), -5 (not
// an archive, or unreadable) or -14 (a part, or the text it makes, reaches maxLength).
int ReadWorkbook(const std::filesystem::path& path, std::string& out, std::size_t maxLength);
int ReadWorkbookBytes(std::string_view bytes, std::string& out, std::size_t maxLength);

}  // namespace vorla

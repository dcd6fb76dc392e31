#include <unistd.h>

#include <charconv>
#include <deque>
#include <system_error>
#include <unordered_map>
#include <vector>

#include "common/FileWriting.h"
#include "common/XmlTextWriter.h"
#include "dictionaries/exchange/ExchangeErrors.h"
#include "dictionaries/exchange/ExchangeText.h"
#include "office/Workbook.h"
#include "office/WorkbookCounter.h"
#include "office/WorkbookParts.h"
#include "office/WorkbookTemplate.h"
#include "office/ZipMemory.h"

namespace vorla {

namespace {

constexpr std::size_t kMaxCells = 18;  // columns A to R
constexpr int kNamingAttempts = 1000;
constexpr std::size_t kLongestNumber = 9;
constexpr std::string_view kSheetDataStart = "<sheetData>";
constexpr std::string_view kSheetDataEnd = "</sheetData>";

void AppendNumber(std::string& out, long long value) {
  char digits[24];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, end);
}

// "0", or 1 to 9 digits without a leading zero: longer runs and leading zeros stay text, so
// that "007" and long codes keep their digits.
bool IsNumberCell(std::string_view cell) {
  if (cell.empty() || cell.size() > kLongestNumber) return false;
  if (cell[0] == '0') return cell.size() == 1;
  return cell.find_first_not_of("0123456789") == std::string_view::npos;
}

// The cells of a line: a cell beginning with a double quote runs to the quote that closes
// it (a doubled quote stands for one) and whatever follows up to the next ';' is dropped.
std::vector<std::string> SplitCells(std::string_view line) {
  std::vector<std::string> cells;
  std::size_t pos = 0;
  while (cells.size() < kMaxCells) {
    std::string cell;
    std::size_t rest = pos;
    if (pos < line.size() && line[pos] == '"') {
      std::size_t at = pos + 1;
      while (at < line.size()) {
        if (line[at] != '"') {
          cell.push_back(line[at++]);
        } else if (at + 1 < line.size() && line[at + 1] == '"') {
          cell.push_back('"');
          at += 2;
        } else {
          break;
        }
      }
      rest = at;
    }
    const std::size_t end = line.find(';', rest);
    if (rest == pos) cell = line.substr(pos, end == std::string_view::npos ? line.npos : end - pos);
    cells.push_back(std::move(cell));
    if (end == std::string_view::npos) break;
    pos = end + 1;
  }
  return cells;
}

// The shared strings in order of first use, found again through a hash map.
class SharedStrings {
 public:
  int IndexOf(std::string&& text) {
    const auto found = index_.find(text);
    if (found != index_.end()) return found->second;
    const int index = static_cast<int>(strings_.size());
    strings_.push_back(std::move(text));
    index_.emplace(strings_.back(), index);
    return index;
  }

  std::string Part() const {
    std::string part =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
        "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\"";
    AppendNumber(part, static_cast<long long>(strings_.size()));
    part.append("\" uniqueCount=\"");
    AppendNumber(part, static_cast<long long>(strings_.size()));
    part.append("\">\r\n");
    for (const std::string& text : strings_) {
      part.append("<si><t>");
      XmlTextWriter::AppendEscaped(part, text);
      part.append("</t></si>\r\n");
    }
    part.append("</sst>");
    return part;
  }

 private:
  std::deque<std::string> strings_;  // stable, so that the map's keys stay valid
  std::unordered_map<std::string_view, int> index_;
};

void AppendCell(std::string& rows, char column, long long row, bool bold, bool shared,
                long long value) {
  rows.append("<c r=\"").push_back(column);
  AppendNumber(rows, row);
  rows.append(bold ? "\" s=\"1" : "").append(shared ? "\" t=\"s\"><v>" : "\"><v>");
  AppendNumber(rows, value);
  rows.append("</v></c>\r\n");
}

void AppendRows(std::string_view utf8, std::string& rows, SharedStrings& strings) {
  long long rowNumber = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t end = utf8.find('\n', pos);
    std::string_view line = utf8.substr(pos, end == std::string_view::npos ? utf8.npos : end - pos);
    pos = end == std::string_view::npos ? utf8.size() : end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++rowNumber;
    if (line.empty()) continue;
    std::vector<std::string> cells = SplitCells(line);
    rows.append("<row r=\"");
    AppendNumber(rows, rowNumber);
    rows.append("\" spans=\"1:");
    AppendNumber(rows, static_cast<long long>(cells.size()));
    rows.append("\" x14ac:dyDescent=\"0.25\">\r\n");
    for (std::size_t i = 0; i < cells.size(); ++i) {
      std::string& cell = cells[i];
      if (cell.empty()) continue;
      const char column = static_cast<char>('A' + i);
      const bool bold = rowNumber == 1;
      if (IsNumberCell(cell)) {
        long long value = 0;
        std::from_chars(cell.data(), cell.data() + cell.size(), value);
        AppendCell(rows, column, rowNumber, bold, false, value);
      } else {
        AppendCell(rows, column, rowNumber, bold, true, strings.IndexOf(std::move(cell)));
      }
    }
    rows.append("</row>\r\n");
  }
}

// A working copy of the template under a name of its own, removed when it goes.
class WorkingCopy {
 public:
  explicit WorkingCopy(const std::filesystem::path& folder) {
    const std::string& archive = WorkbookTemplateArchive();
    if (archive.empty()) return;
    for (int attempt = 0; attempt < kNamingAttempts; ++attempt) {
      const std::string name = "~xlsxconvtmpfile_" + std::to_string(getpid()) + "_" +
                               std::to_string(workbook_counter::Next()) + ".zip";
      UniqueFile file = CreateFileExclusively(folder / name);
      if (!file) continue;
      path_ = folder / name;
      const bool written =
          std::fwrite(archive.data(), 1, archive.size(), file.get()) == archive.size();
      if (std::fclose(file.release()) != 0 || !written) Remove();
      return;
    }
  }
  ~WorkingCopy() { Remove(); }
  WorkingCopy(const WorkingCopy&) = delete;
  WorkingCopy& operator=(const WorkingCopy&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  void Remove() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove(path_, ignored);
    path_.clear();
  }

  std::filesystem::path path_;
};

}  // namespace

int WriteWorkbook(std::string_view csv, std::string& out, const WorkbookPlace& place) {
  const WorkingCopy copy(place.temporaryFolder);
  if (copy.path().empty()) return exchange_error::kWorkbookNotMade;
  const std::unique_ptr<ZipReader> reader = ZipReader::OpenFile(copy.path());
  if (!reader) return exchange_error::kCannotOpen;
  std::string sheet;
  if (reader->ReadEntry(workbook_part::kWorksheet, place.maxLength, sheet) != ZipEntryRead::Read) {
    return exchange_error::kWorkbookNotMade;
  }
  const std::size_t dataStart = sheet.find(kSheetDataStart);
  const std::size_t dataEnd = sheet.find(kSheetDataEnd, dataStart);
  if (dataStart == std::string::npos || dataEnd == std::string::npos) {
    return exchange_error::kWorkbookNotMade;
  }

  std::string worksheet = sheet.substr(0, dataStart + kSheetDataStart.size());
  SharedStrings strings;
  AppendRows(ExportedText(csv), worksheet, strings);
  worksheet.append(sheet, dataEnd);

  std::string archive;
  ZipWriter writer(archive);
  const bool written =
      reader->CopyEntriesExcept(workbook_part::kWorksheet, workbook_part::kSharedStrings, writer) &&
      writer.AddDeflated(workbook_part::kWorksheet, worksheet) &&
      writer.AddDeflated(workbook_part::kSharedStrings, strings.Part()) && writer.Close();
  if (!written) return exchange_error::kWorkbookNotMade;
  out.append(archive);
  return 0;
}

}  // namespace vorla

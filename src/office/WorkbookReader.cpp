#include <algorithm>
#include <charconv>
#include <memory>
#include <optional>
#include <vector>

#include "common/Cp1252Import.h"
#include "common/XmlPullReader.h"
#include "dictionaries/exchange/ExchangeErrors.h"
#include "office/Workbook.h"
#include "office/WorkbookParts.h"
#include "office/ZipMemory.h"

namespace vorla {

namespace {

constexpr int kKeptColumns = 14;  // A to N
constexpr int kMaxColumnLetters = 3;

// A failure that ends the reading with its code.
struct ReadFailure {
  int code;
};

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A cell's UTF-8 text in Windows-1252; ASCII text is the same in both and is not copied.
std::string CellText(std::string&& utf8) {
  return IsAscii(utf8) ? std::move(utf8) : ImportedTextToCp1252(utf8, ImportedTextRole::Other);
}
std::string_view CellText(const std::string& utf8, std::string& converted) {
  if (IsAscii(utf8)) return utf8;
  converted = ImportedTextToCp1252(utf8, ImportedTextRole::Other);
  return converted;
}

std::unique_ptr<XmlPullReader> OpenPart(const std::string& part, std::size_t maxLength) {
  XmlReaderOptions options;
  options.maxTextBytes = maxLength;
  // White space between the elements is not wanted; a cell of nothing but white space reads
  // as empty, which is what the dictionary reader's trimming makes of it anyway.
  options.keepWhiteSpace = false;
  return OpenXmlBytes(part, options);
}

// Reads the next node; a malformed part fails with -1, a text past the limit with -14.
XmlNode NextNode(XmlPullReader& reader) {
  const XmlNode node = reader.Next();
  if (node == XmlNode::kError) throw ReadFailure{exchange_error::kInvalid};
  if (reader.TextTruncated()) throw ReadFailure{exchange_error::kTruncated};
  return node;
}

// The text of a string item (<si>, <is>): every <t> of its runs joined, phonetic runs
// (<rPh>) left out. Called after the item's start tag; reads up to its end tag.
struct StringItem {
  std::string text;
  bool hasText = false;
};

StringItem ReadStringItem(XmlPullReader& reader) {
  StringItem item;
  int depth = 1;
  int phonetic = 0;
  bool inText = false;
  while (depth > 0) {
    switch (NextNode(reader)) {
      case XmlNode::kStartElement:
        ++depth;
        if (reader.LocalName() == "rPh") ++phonetic;
        if (reader.LocalName() == "t" && phonetic == 0) inText = item.hasText = true;
        break;
      case XmlNode::kEndElement:
        --depth;
        if (reader.LocalName() == "rPh") --phonetic;
        if (reader.LocalName() == "t") inText = false;
        break;
      case XmlNode::kText:
        if (inText) item.text.append(reader.Text());
        break;
      default:
        throw ReadFailure{exchange_error::kInvalid};
    }
  }
  return item;
}

std::vector<std::string> ReadSharedStrings(const std::string& part, std::size_t maxLength) {
  std::vector<std::string> strings;
  const std::unique_ptr<XmlPullReader> reader = OpenPart(part, maxLength);
  for (XmlNode node = NextNode(*reader); node != XmlNode::kEndOfDocument;
       node = NextNode(*reader)) {
    if (node != XmlNode::kStartElement || reader->LocalName() != "si") continue;
    StringItem item = ReadStringItem(*reader);
    if (!item.hasText) throw ReadFailure{exchange_error::kInvalid};
    strings.push_back(CellText(std::move(item.text)));
  }
  return strings;
}

// The column of a cell reference ("C7" 2, "AA5" 26); nothing without a letter.
std::optional<int> ColumnOf(std::string_view reference) {
  int column = 0;
  int letters = 0;
  for (const char c : reference) {
    if (c < 'A' || c > 'Z') break;
    if (++letters > kMaxColumnLetters) return std::nullopt;
    column = column * 26 + (c - 'A' + 1);
  }
  if (letters == 0) return std::nullopt;
  return column - 1;
}

void AppendCsvValue(std::string& line, std::string_view value) {
  if (value.find_first_of(";\"") == std::string_view::npos) {
    line.append(value);
    return;
  }
  line.push_back('"');
  for (const char c : value) {
    line.push_back(c);
    if (c == '"') line.push_back('"');
  }
  line.push_back('"');
}

class SheetReader {
 public:
  SheetReader(const std::vector<std::string>& strings, std::string& out, std::size_t maxLength)
      : strings_(strings), out_(out), limit_(out.size() + maxLength) {}

  void Read(const std::string& part, std::size_t maxLength) {
    const std::unique_ptr<XmlPullReader> reader = OpenPart(part, maxLength);
    bool sheetData = false;
    for (XmlNode node = NextNode(*reader); node != XmlNode::kEndOfDocument;
         node = NextNode(*reader)) {
      if (node != XmlNode::kStartElement) continue;
      if (reader->LocalName() == "sheetData") {
        sheetData = true;
      } else if (sheetData && reader->LocalName() == "row") {
        ReadRow(*reader);
      }
    }
    if (!sheetData) throw ReadFailure{exchange_error::kInvalid};
  }

 private:
  void ReadRow(XmlPullReader& reader) {
    std::string& line = line_;
    line.clear();
    int written = 0;  // the column the line has reached
    std::optional<int> previous;
    int depth = 1;
    while (depth > 0) {
      const XmlNode node = NextNode(reader);
      if (node == XmlNode::kEndElement) --depth;
      if (node != XmlNode::kStartElement) continue;
      if (reader.LocalName() != "c") {
        ++depth;
        continue;
      }
      // The attributes are the reader's until its next step: taken before the value is read.
      const std::optional<std::string_view> reference = reader.Attribute("r");
      const std::optional<int> column = reference ? ColumnOf(*reference) : std::nullopt;
      type_.assign(reader.Attribute("t").value_or(""));
      const std::string_view value = ReadCellValue(reader, type_);
      if (!reference) continue;  // a cell without its place is left out
      if (!column || (previous && *column <= *previous)) {
        throw ReadFailure{exchange_error::kInvalid};
      }
      previous = column;
      if (*column >= kKeptColumns || value.empty()) continue;
      line.append(static_cast<std::size_t>(*column - written), ';');
      written = *column;
      AppendCsvValue(line, value);
    }
    line.append("\r\n");
    if (out_.size() + line.size() >= limit_) throw ReadFailure{exchange_error::kTruncated};
    out_.append(line);
  }

  // After a cell's start tag; reads up to its end tag. The text stays valid until the next
  // cell is read.
  std::string_view ReadCellValue(XmlPullReader& reader, std::string_view type) {
    if (reader.IsEmptyElement()) {
      NextNode(reader);
      return {};
    }
    std::string& value = value_;
    value.clear();
    bool inValue = false;
    bool inlineString = false;
    int depth = 1;
    while (depth > 0) {
      switch (NextNode(reader)) {
        case XmlNode::kStartElement:
          if (reader.LocalName() == "is") {
            inlineText_ = ReadStringItem(reader).text;
            inlineString = true;
            break;
          }
          ++depth;
          inValue = reader.LocalName() == "v";
          break;
        case XmlNode::kEndElement:
          --depth;
          inValue = false;
          break;
        case XmlNode::kText:
          if (inValue) value.append(reader.Text());
          break;
        default:
          throw ReadFailure{exchange_error::kInvalid};
      }
    }
    if (type == "s") return SharedString(value);
    if (type == "inlineStr")
      return inlineString ? CellText(inlineText_, converted_) : std::string_view();
    return CellText(value, converted_);
  }

  const std::string& SharedString(std::string_view index) const {
    std::size_t at = 0;
    const auto [end, error] = std::from_chars(index.data(), index.data() + index.size(), at);
    if (index.empty() || error != std::errc() || end != index.data() + index.size() ||
        at >= strings_.size()) {
      throw ReadFailure{exchange_error::kInvalid};
    }
    return strings_[at];
  }

  const std::vector<std::string>& strings_;
  std::string& out_;
  const std::size_t limit_;
  // The row being read and the cell's text, their room kept from cell to cell.
  std::string line_;
  std::string value_;
  std::string inlineText_;
  std::string type_;
  std::string converted_;
};

// Reads a part: false when the archive has none, which only the shared strings may lack.
bool ReadPart(ZipReader& archive, std::string_view name, std::size_t maxLength, std::string& part,
              bool optional) {
  switch (archive.ReadEntry(name, maxLength, part)) {
    case ZipEntryRead::Read:
      return true;
    case ZipEntryRead::Missing:
      if (optional) return false;
      throw ReadFailure{exchange_error::kInvalid};
    case ZipEntryRead::TooLarge:
      throw ReadFailure{exchange_error::kTruncated};
    case ZipEntryRead::Failed:
      break;
  }
  throw ReadFailure{exchange_error::kCannotOpen};
}

int ReadArchive(ZipReader& archive, std::string& out, std::size_t maxLength) {
  try {
    std::vector<std::string> strings;
    std::string part;
    if (ReadPart(archive, workbook_part::kSharedStrings, maxLength, part, true)) {
      strings = ReadSharedStrings(part, maxLength);
    }
    ReadPart(archive, workbook_part::kWorksheet, maxLength, part, false);
    std::string text;
    SheetReader(strings, text, maxLength).Read(part, maxLength);
    out.append(text);
    return 0;
  } catch (const ReadFailure& failure) {
    return failure.code;
  }
}

}  // namespace

int ReadWorkbook(const std::filesystem::path& path, std::string& out, std::size_t maxLength) {
  const std::unique_ptr<ZipReader> archive = ZipReader::OpenFile(path);
  if (!archive) return exchange_error::kCannotOpen;
  return ReadArchive(*archive, out, maxLength);
}

int ReadWorkbookBytes(std::string_view bytes, std::string& out, std::size_t maxLength) {
  const std::unique_ptr<ZipReader> archive = ZipReader::OpenBytes(bytes);
  if (!archive) return exchange_error::kCannotOpen;
  return ReadArchive(*archive, out, maxLength);
}

}  // namespace vorla

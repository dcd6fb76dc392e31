// Workbooks we write are read by openpyxl (normally and read-only); workbooks openpyxl and
// Python's zipfile write are read by us.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include "config/MemorySettingsStore.h"
#include "dictionaries/exchange/ExchangeErrors.h"
#include "office/Workbook.h"
#include "office/WorkbookCounter.h"
#include "office/ZipMemory.h"
#include "platform/ChildProcess.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr std::size_t kLimit = 32'000'000;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path WriteFile(std::string_view name, std::string_view bytes) {
  const fs::path path = test::CurrentHome() / name;
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
  return path;
}

bool RunTool(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), VORLA_OFFICE_TESTS "/workbook_tool.py");
  return RunProgram("/usr/bin/python3", arguments, 120s).Succeeded();
}

// What openpyxl reads from a workbook.
std::string OpenpyxlView(std::string_view workbook) {
  const fs::path out = test::CurrentHome() / "view.txt";
  EXPECT_TRUE(RunTool({"read", WriteFile("ours.xlsx", workbook).string(), out.string()}));
  return ReadFile(out);
}

// A workbook one of the tool's make commands writes.
std::string ToolWorkbook(const std::string& command) {
  const fs::path path = test::CurrentHome() / (command + ".xlsx");
  EXPECT_TRUE(RunTool({command, path.string()}));
  return ReadFile(path);
}

WorkbookPlace Place() {
  return {test::CurrentHome(), kLimit};
}

std::string Written(std::string_view csv) {
  std::string workbook;
  EXPECT_EQ(WriteWorkbook(csv, workbook, Place()), 0);
  return workbook;
}

struct CsvRead {
  int result = 0;
  std::string text;
};

CsvRead ReadBack(std::string_view workbook, std::size_t limit = kLimit) {
  CsvRead read;
  read.result = ReadWorkbookBytes(workbook, read.text, limit);
  return read;
}

constexpr std::string_view kTable =
    "[Term];[Translation];[Word Class]\r\n"
    "talo;house;Noun\r\n"
    "\r\n"
    "007;123;a&b<c> \x80\r\n"
    "same;same;\"x;\"\"y\"\"\"tail;0\r\n"
    "1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19\r\n"
    "1234567890;&#8209;;\n";

TEST(WriteWorkbook, WritesAWorkbookOpenpyxlReadsInBothModes) {
  const std::string rows =
      "s:[Term]|s:[Translation]|s:[Word Class]\n"
      "s:talo|s:house|s:Noun\n"
      "\n"
      "s:007|n:123|s:a&b<c> \u20ac\n"
      "s:same|s:same|s:x;\"y\"|n:0\n"
      "n:1|n:2|n:3|n:4|n:5|n:6|n:7|n:8|n:9|n:10|n:11|n:12|n:13|n:14|n:15|n:16|n:17|n:18\n"
      "s:1234567890|s:\u2011\n";
  EXPECT_EQ(OpenpyxlView(Written(kTable)),
            "sheet:Taul1\nbold:True\nshared:12\n" + rows + "read-only\n" + rows);
}

TEST(WriteWorkbook, ReadsBackWhatItWrote) {
  const CsvRead read = ReadBack(Written(kTable));
  EXPECT_EQ(read.result, 0);
  EXPECT_EQ(read.text,
            "[Term];[Translation];[Word Class]\r\n"
            "talo;house;Noun\r\n"
            "007;123;a&b<c> \x80\r\n"
            "same;same;\"x;\"\"y\"\"\";0\r\n"
            "1;2;3;4;5;6;7;8;9;10;11;12;13;14\r\n"  // columns A to N
            "1234567890;\"&#8209;\"\r\n");          // the reference holds the separator
}

TEST(ReadWorkbook, ReadsWorkbooksOthersWrote) {
  const std::tuple<std::string, std::string> cases[] = {
      // Inline strings, cells in A and C only, a cell in AA, an empty styled cell.
      {"make-openpyxl", "Term;;\"x;y \"\"q\"\"\"\r\n007;42\r\n\r\n\"\xE4\x80\x97&#8209;\"\r\n"},
      // Shared strings with references and white space, an empty row, a cell without its
      // place, a column past N.
      {"make-shared",
       "plain & \xE4 <b>; spaced ;;12.5\r\n\r\n\r\n;;;;;;;;;;;;;plain & \xE4 <b>\r\n"},
      // Prefixed names, no XML declaration, rich-text runs without the phonetic one.
      {"make-rich", "rich text\xE9;\"in;line\"\r\n"},
  };
  for (const auto& [command, text] : cases) {
    const CsvRead read = ReadBack(ToolWorkbook(command));
    EXPECT_EQ(read.result, 0) << command;
    EXPECT_EQ(read.text, text) << command;
  }
}

// A workbook of the given parts, zipped by us.
std::string Workbook(std::string_view sharedStrings, std::string_view sheet,
                     std::string_view sheetName = "xl/worksheets/sheet1.xml") {
  std::string archive;
  ZipWriter writer(archive);
  if (!sharedStrings.empty()) writer.AddDeflated("xl/sharedStrings.xml", sharedStrings);
  writer.AddDeflated(sheetName, sheet);
  EXPECT_TRUE(writer.Close());
  return archive;
}

std::string Sheet(std::string_view rows) {
  return "<worksheet><sheetData>" + std::string(rows) + "</sheetData></worksheet>";
}

TEST(ReadWorkbook, RefusesHostileAndBrokenWorkbooks) {
  const std::string padding(2'000'000, ' ');
  const std::string big(200'000, 'x');
  std::string repeatedRows;
  for (int r = 0; r < 10; ++r)
    repeatedRows += "<row><c r=\"A1\" t=\"s\"><v>0</v></c></row>";
  std::string manyReferences;
  for (int i = 0; i < 50; ++i)
    manyReferences += "<c r=\"A1\" t=\"s\"><v>0</v></c>";
  const std::tuple<std::string_view, std::string, std::size_t, int> cases[] = {
      {"not a zip", "PK\x03\x04 not really an archive", kLimit, exchange_error::kCannotOpen},
      {"inflates past the limit", Workbook("", Sheet("<row/>" + padding)), 1'000'000,
       exchange_error::kTruncated},
      {"shared strings past the limit", Workbook("<sst>" + padding + "</sst>", Sheet("")),
       1'000'000, exchange_error::kTruncated},
      {"amplified through shared strings",
       Workbook("<sst><si><t>" + big + "</t></si></sst>", Sheet(repeatedRows)), 1'000'000,
       exchange_error::kTruncated},
      {"a column twice",
       Workbook("<sst><si><t>a</t></si></sst>", Sheet("<row>" + manyReferences + "</row>")), kLimit,
       exchange_error::kInvalid},
      {"a bad shared-string index",
       Workbook("<sst><si><t>a</t></si></sst>",
                Sheet("<row><c r=\"A1\" t=\"s\"><v>1</v></c></row>")),
       kLimit, exchange_error::kInvalid},
      {"an item without text", Workbook("<sst><si/></sst>", Sheet("")), kLimit,
       exchange_error::kInvalid},
      {"no sheet data", Workbook("", "<worksheet/>"), kLimit, exchange_error::kInvalid},
      {"no worksheet", Workbook("<sst/>", Sheet(""), "xl/worksheets/sheet2.xml"), kLimit,
       exchange_error::kInvalid},
      {"not well-formed", Workbook("", Sheet("<row><c r=\"A1\"><v>1</c></row>")), kLimit,
       exchange_error::kInvalid},
      {"an external entity",
       Workbook("", "<!DOCTYPE w [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>" +
                        Sheet("<row><c r=\"A1\" t=\"inlineStr\"><is><t>&e;</t></is></c></row>")),
       kLimit, exchange_error::kInvalid},
      {"a cell reference without a letter",
       Workbook("", Sheet("<row><c r=\"5\"><v>1</v></c></row>")), kLimit, exchange_error::kInvalid},
  };
  for (const auto& [what, workbook, limit, result] : cases) {
    const CsvRead read = ReadBack(workbook, limit);
    EXPECT_EQ(read.result, result) << what;
    EXPECT_EQ(read.text, "") << what;
  }
  std::string text;
  EXPECT_EQ(ReadWorkbook(test::CurrentHome() / "missing.xlsx", text, kLimit),
            exchange_error::kCannotOpen);
}

TEST(ReadWorkbook, ReadsAFile) {
  std::string text;
  EXPECT_EQ(ReadWorkbook(WriteFile("file.xlsx", Written("a;1\r\n")), text, kLimit), 0);
  EXPECT_EQ(text, "a;1\r\n");
}

// The working copies are named by the counter, made without replacing anything, and removed.
TEST(WriteWorkbook, NamesItsWorkingCopiesByTheStoredCounter) {
  Settings settings(std::make_shared<MemorySettingsStore>());
  settings.WriteInteger(workbook_counter::kSettingsValue, 41);
  workbook_counter::Load(settings);
  const fs::path folder = test::CurrentHome() / "tmp";
  fs::create_directories(folder);
  const fs::path taken = folder / ("~xlsxconvtmpfile_" + std::to_string(getpid()) + "_41.zip");
  std::ofstream(taken) << "someone else's";

  std::string workbook;
  std::thread other([&] {
    std::string second;
    EXPECT_EQ(WriteWorkbook("b\r\n", second, {folder, kLimit}), 0);
  });
  EXPECT_EQ(WriteWorkbook("a\r\n", workbook, {folder, kLimit}), 0);
  other.join();
  EXPECT_EQ(ReadBack(workbook).text, "a\r\n");
  EXPECT_EQ(ReadFile(taken), "someone else's");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

  workbook_counter::Save(settings);
  EXPECT_EQ(settings.ReadInteger(workbook_counter::kSettingsValue, 0), 44);

  settings.WriteInteger(workbook_counter::kSettingsValue, 0);
  workbook_counter::Load(settings);
  EXPECT_EQ(workbook_counter::Next(), 1);

  std::string none;
  EXPECT_EQ(WriteWorkbook("a", none, {folder / "missing", kLimit}),
            exchange_error::kWorkbookNotMade);
  EXPECT_TRUE(none.empty());
}

// The fuzz target's seeds: our workbook (which must stay what the writer makes), those of
// the independent tools and hostile ones. VORLA_UPDATE_FUZZ_CORPUS=1 writes them again.
TEST(WorkbookFuzzCorpus, SeedsAreCurrent) {
  const fs::path corpus = VORLA_WORKBOOK_FUZZ_CORPUS;
  const std::string ours = Written(kTable);
  if (std::getenv("VORLA_UPDATE_FUZZ_CORPUS") == nullptr) {
    EXPECT_EQ(ReadFile(corpus / "ours.xlsx"), ours);
    return;
  }
  const std::string padding(1'000'000, ' ');
  const std::tuple<std::string, std::string> seeds[] = {
      {"ours.xlsx", ours},
      {"openpyxl.xlsx", ToolWorkbook("make-openpyxl")},
      {"shared.xlsx", ToolWorkbook("make-shared")},
      {"rich.xlsx", ToolWorkbook("make-rich")},
      {"inflation.xlsx", Workbook("", Sheet("<row/>" + padding))},
      {"not-a-zip.xlsx", "PK\x03\x04 not really an archive"},
  };
  for (const auto& [name, bytes] : seeds) {
    std::ofstream(corpus / name, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
}

}  // namespace
}  // namespace vorla

// Export and import of a 100,000-entry dictionary as CSV and as an XLSX workbook, in memory.
// Baselines of the same run: the plain inflation of the workbook's two parts (the floor of
// reading), libxlsxwriter writing the same table at the same zlib level, and openpyxl reading
// our workbook in read-only mode (timed inside Python).
#include <benchmark/benchmark.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "RatioReporter.h"
#include "dictionaries/AttributeCodes.h"
#include "dictionaries/Vocabulary.h"
#include "dictionaries/exchange/CsvDictionaryReader.h"
#include "dictionaries/exchange/CsvDictionaryWriter.h"
#include "office/Workbook.h"
#include "office/ZipMemory.h"
#include "platform/ChildProcess.h"

namespace {

using namespace vorla;
namespace fs = std::filesystem;

constexpr std::size_t kBytesPerEntry = 40;
constexpr std::size_t kMaxLength = 512'000'000;

std::size_t EntryCount() {
  return bench::BenchBytes(100'000 * kBytesPerEntry) / kBytesPerEntry;
}

fs::path WorkFolder() {
  static const fs::path folder = [] {
    fs::path path =
        fs::temp_directory_path() / ("vorla-exchange-bench-" + std::to_string(getpid()));
    fs::create_directories(path);
    return path;
  }();
  return folder;
}

// Terms of every word class the table writes, with attributes in some of the columns.
const Vocabulary& Dictionary() {
  static const Vocabulary* vocabulary = [] {
    auto* made = new Vocabulary(4);
    const int classes[] = {word_class::kNoun, word_class::kVerb, word_class::kAdj,
                           word_class::kProp, word_class::kAdv};
    for (std::size_t i = 0; i < EntryCount(); ++i) {
      const std::string number = std::to_string(i);
      const int wordClass = classes[i % std::size(classes)];
      VocabularyEntry& entry = *made->CreateEntry("term" + number, wordClass, 0, false).entry;
      entry.target = "k\xE4\xE4nn\xF6s " + number;
      entry.tgtattr.Set(attr::kTgtTr, 1);
      if (i % 3 == 0) entry.tgtattr.Set(attr::kTgtInfl, 2 + static_cast<int>(i % 20));
      if (i % 7 == 0) entry.tgtattr.Set(attr::kTgtGrade, 2);
      if (wordClass == word_class::kVerb) entry.srcattr.Set(attr::kSubCat, 0);
    }
    return made;
  }();
  return *vocabulary;
}

const std::string& Table() {
  static const std::string table = [] {
    std::string out;
    WriteCsvDictionary(Dictionary(), out, UiLanguage::English);
    return out;
  }();
  return table;
}

const std::string& OurWorkbook() {
  static const std::string workbook = [] {
    std::string out;
    if (WriteWorkbook(Table(), out, {WorkFolder(), kMaxLength}) != 0) std::abort();
    return out;
  }();
  return workbook;
}

void CsvExport(benchmark::State& state) {
  for (auto _ : state) {
    std::string out;
    WriteCsvDictionary(Dictionary(), out, UiLanguage::English);
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["entries"] = static_cast<double>(Dictionary().count());
}

void CsvImport(benchmark::State& state) {
  for (auto _ : state) {
    Vocabulary vocabulary(4);
    std::uint32_t notes = 0;
    if (ReadCsvDictionary(vocabulary, Table(), 0, ';', notes, EntryCount()) != 0) std::abort();
    benchmark::DoNotOptimize(vocabulary.count());
  }
}

void WriteWorkbookFromTable(benchmark::State& state) {
  for (auto _ : state) {
    std::string out;
    if (WriteWorkbook(Table(), out, {WorkFolder(), kMaxLength}) != 0) std::abort();
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["workbook_KiB"] = static_cast<double>(OurWorkbook().size()) / 1024;
}

void XlsxExport(benchmark::State& state) {
  for (auto _ : state) {
    std::string table;
    WriteCsvDictionary(Dictionary(), table, UiLanguage::English);
    std::string out;
    if (WriteWorkbook(table, out, {WorkFolder(), kMaxLength}) != 0) std::abort();
    benchmark::DoNotOptimize(out.data());
  }
}

// The same cells as the table, through libxlsxwriter (shared strings, the first row bold),
// from memory to a file and read back, as WriteWorkbook hands its bytes back.
void LibxlsxwriterWrite(benchmark::State& state) {
  std::vector<std::vector<std::string>> rows;
  const std::string& table = Table();
  for (std::size_t pos = 0; pos < table.size();) {
    const std::size_t end = table.find("\r\n", pos);
    std::vector<std::string> cells;
    const std::string_view line(table.data() + pos, end - pos);
    for (std::size_t at = 0;;) {
      const std::size_t next = line.find(';', at);
      cells.emplace_back(line.substr(at, next == line.npos ? line.npos : next - at));
      if (next == line.npos) break;
      at = next + 1;
    }
    rows.push_back(std::move(cells));
    pos = end + 2;
  }
  const std::string path = (WorkFolder() / "libxlsxwriter.xlsx").string();
  for (auto _ : state) {
    lxw_workbook* workbook = workbook_new(path.c_str());
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Taul1");
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    for (std::size_t r = 0; r < rows.size(); ++r) {
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        if (rows[r][c].empty()) continue;
        worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                               rows[r][c].c_str(), r == 0 ? bold : nullptr);
      }
    }
    if (workbook_close(workbook) != LXW_NO_ERROR) std::abort();
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    benchmark::DoNotOptimize(bytes.data());
  }
}

void ReadWorkbookToTable(benchmark::State& state) {
  for (auto _ : state) {
    std::string text;
    if (ReadWorkbookBytes(OurWorkbook(), text, kMaxLength) != 0) std::abort();
    benchmark::DoNotOptimize(text.data());
  }
}

void XlsxImport(benchmark::State& state) {
  for (auto _ : state) {
    std::string text;
    if (ReadWorkbookBytes(OurWorkbook(), text, kMaxLength) != 0) std::abort();
    Vocabulary vocabulary(4);
    std::uint32_t notes = 0;
    if (ReadCsvDictionary(vocabulary, text, 0, ';', notes, EntryCount()) != 0) std::abort();
    benchmark::DoNotOptimize(vocabulary.count());
  }
}

// The floor of reading: the two parts inflated, nothing parsed.
void InflateParts(benchmark::State& state) {
  for (auto _ : state) {
    const std::unique_ptr<ZipReader> archive = ZipReader::OpenBytes(OurWorkbook());
    std::string sheet;
    std::string strings;
    if (archive->ReadEntry("xl/worksheets/sheet1.xml", kMaxLength, sheet) != ZipEntryRead::Read ||
        archive->ReadEntry("xl/sharedStrings.xml", kMaxLength, strings) != ZipEntryRead::Read) {
      std::abort();
    }
    benchmark::DoNotOptimize(sheet.data());
  }
}

BENCHMARK(CsvExport)->Unit(benchmark::kMillisecond);
BENCHMARK(CsvImport)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteWorkbookFromTable)->Unit(benchmark::kMillisecond);
BENCHMARK(LibxlsxwriterWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(XlsxExport)->Unit(benchmark::kMillisecond);
BENCHMARK(InflateParts)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadWorkbookToTable)->Unit(benchmark::kMillisecond);
BENCHMARK(XlsxImport)->Unit(benchmark::kMillisecond);

// openpyxl's best of three read-only readings of our workbook, in milliseconds.
void ReportOpenpyxl() {
  const fs::path workbook = WorkFolder() / "ours.xlsx";
  std::ofstream(workbook, std::ios::binary)
      .write(OurWorkbook().data(), static_cast<std::streamsize>(OurWorkbook().size()));
  const fs::path out = WorkFolder() / "openpyxl.txt";
  using namespace std::chrono_literals;
  if (!RunProgram("/usr/bin/python3",
                  {VORLA_BENCH_SCRIPTS "/openpyxl_read.py", workbook.string(), out.string()}, 600s)
           .Succeeded()) {
    std::printf("openpyxl read-only: not run (python3-openpyxl missing?)\n");
    return;
  }
  double seconds = 0;
  long cells = 0;
  std::ifstream(out) >> seconds >> cells;
  std::printf("openpyxl read-only reading of the same workbook: %.1f ms (%ld cells)\n",
              seconds * 1000, cells);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  bench::RatioReporter reporter({{"ReadWorkbookToTable", "InflateParts", 3.0},
                                 {"WriteWorkbookFromTable", "LibxlsxwriterWrite", 1.0}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  ReportOpenpyxl();
  std::error_code ignored;
  fs::remove_all(WorkFolder(), ignored);
  benchmark::Shutdown();
  return 0;
}

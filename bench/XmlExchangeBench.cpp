// Export and import of a 100,000-entry dictionary as XML and as TMX, the texts in memory and
// the imports from a file. Baseline of the same run: xmllint --stream --noout on the same
// files, the floor of a streaming parse.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "RatioReporter.h"
#include "dictionaries/Vocabulary.h"
#include "dictionaries/exchange/TmxDictionary.h"
#include "dictionaries/exchange/XmlDictionary.h"
#include "platform/ChildProcess.h"

namespace {

using namespace vorla;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr std::size_t kBytesPerEntry = 40;
const TmxCreator kCreator{"Vorla Tool", "3.1.2", UiLanguage::English};

std::size_t EntryCount() {
  return bench::BenchBytes(100'000 * kBytesPerEntry) / kBytesPerEntry;
}

fs::path WorkFolder() {
  static const fs::path folder = [] {
    fs::path path = fs::temp_directory_path() / ("vorla-xml-bench-" + std::to_string(getpid()));
    fs::create_directories(path);
    return path;
  }();
  return folder;
}

// Phrases, so that both formats carry every entry.
const Vocabulary& Dictionary() {
  static const Vocabulary* vocabulary = [] {
    auto* made = new Vocabulary(4);
    made->header.vocsubtype = DictionaryKind::Phrases;
    made->header.name = "Bench";
    for (std::size_t i = 0; i < EntryCount(); ++i) {
      const std::string number = std::to_string(i);
      made->CreateEntry("good morning " + number, 0, 0, false).entry->target =
          "hyv\xE4\xE4 huomenta & <" + number + ">";
    }
    return made;
  }();
  return *vocabulary;
}

class Target : public ImportTarget {
 public:
  Vocabulary& Dictionary() override { return vocabulary; }
  int MaxEntries() const override { return 1'000'000; }
  int SetName(std::string_view name) override {
    vocabulary.header.name = name;
    return 0;
  }
  int SetLanguagePair(int, int) override { return 0; }
  void MarkModified() override {}
  Vocabulary vocabulary{4};
};

std::string Xml() {
  std::string out;
  WriteXmlDictionary(Dictionary(), out);
  return out;
}

std::string Tmx() {
  std::string out;
  if (WriteTmxDictionary(Dictionary(), kCreator, out) != 0) std::abort();
  return out;
}

const fs::path& FileOf(const std::string& name, std::string (*make)()) {
  static std::map<std::string, fs::path> files;
  auto [it, added] = files.try_emplace(name, WorkFolder() / name);
  if (added) std::ofstream(it->second, std::ios::binary) << make();
  return it->second;
}
const fs::path& XmlFile() {
  return FileOf("bench.xml", Xml);
}
const fs::path& TmxFile() {
  return FileOf("bench.tmx", Tmx);
}

void XmlExport(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(Xml().size());
  state.counters["entries"] = static_cast<double>(Dictionary().count());
}

void TmxExport(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(Tmx().size());
}

void XmlImport(benchmark::State& state) {
  for (auto _ : state) {
    Target target;
    std::uint32_t notes = 0;
    if (ReadXmlDictionary(target, XmlFile(), {}, notes) != 0) std::abort();
    if (target.vocabulary.count() != Dictionary().count()) std::abort();
  }
}

void TmxImport(benchmark::State& state) {
  for (auto _ : state) {
    Target target;
    std::uint32_t notes = 0;
    if (ReadTmxDictionary(target, TmxFile(), false, notes) != 0) std::abort();
    if (target.vocabulary.count() != Dictionary().count()) std::abort();
  }
}

void StreamingParse(benchmark::State& state, const fs::path& file) {
  for (auto _ : state)
    if (!RunProgram("/usr/bin/xmllint", {"--stream", "--noout", file.string()}, 600s).Succeeded())
      std::abort();
}
void XmllintStreamXml(benchmark::State& state) {
  StreamingParse(state, XmlFile());
}
void XmllintStreamTmx(benchmark::State& state) {
  StreamingParse(state, TmxFile());
}

BENCHMARK(XmlExport)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(XmllintStreamXml)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(XmlImport)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(TmxExport)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(XmllintStreamTmx)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(TmxImport)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  bench::RatioReporter reporter(
      {{"XmlImport", "XmllintStreamXml", 2.0}, {"TmxImport", "XmllintStreamTmx", 2.0}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::error_code ignored;
  fs::remove_all(WorkFolder(), ignored);
  benchmark::Shutdown();
  return 0;
}

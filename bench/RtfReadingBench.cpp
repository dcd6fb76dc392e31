#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>

#include "HostileRtf.h"
#include "PandocRtf.h"
#include "PeakMemory.h"
#include "ProseText.h"
#include "RatioReporter.h"
#include "documents/rtf/RtfReader.h"

namespace {

using namespace vorla;

constexpr double kMegabyte = 1024.0 * 1024.0;
// Reading any RTF may need at most 20 times its size and a fixed 32 MB, the program's own.
constexpr double kPeakPerInputByte = 20;
constexpr double kFixedPeak = 32 * kMegabyte;

struct PeakFigure {
  double inputBytes = 0;
  double peakBytes = 0;
  double residentBefore = 0;  // the program's own memory, measured before the reading
  // What the reading needs per input byte.
  double PerInputByte() const { return (peakBytes - residentBefore) / inputBytes; }
};
// By benchmark, from its last run (the library runs a benchmark more than once to choose
// its iterations).
std::map<std::string, PeakFigure> peaks;

// Reads the input as a pane does; the peak resident memory counts the input and the program.
void ReadRtf(benchmark::State& state, const std::string& name, const std::string& rtf) {
  double peak = 0;
  double before = 0;
  for (auto _ : state) {
    state.PauseTiming();
    bench::ResetPeakResident();
    before = std::max(before, static_cast<double>(bench::PeakResidentBytes()));
    state.ResumeTiming();
    {
      const RichDocument document = RtfReader().Read(rtf);
      benchmark::DoNotOptimize(document.paragraphs.size());
    }
    state.PauseTiming();
    peak = std::max(peak, static_cast<double>(bench::PeakResidentBytes()));
    state.ResumeTiming();
  }
  const double size = static_cast<double>(rtf.size());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(rtf.size()));
  state.counters["input_KiB"] = size / 1024;
  state.counters["peak_rss_MiB"] = peak / kMegabyte;
  state.counters["peak_per_goal"] = peak / (kPeakPerInputByte * size + kFixedPeak);
  peaks[name] = {size, peak, before};
  state.counters["peak_per_input_byte"] = peaks[name].PerInputByte();
}

// The hostile document with a short font name and link: what the same runs need.
void ShortNames(benchmark::State& state) {
  static const std::string rtf = bench::HostileRtf("Arial", "https://example.com/", 20000);
  ReadRtf(state, "ShortNames", rtf);
}

// A 5,000-character font name and link around 20,000 bold switches.
void Hostile(benchmark::State& state) {
  static const std::string rtf = bench::HostileRtf();
  ReadRtf(state, "Hostile", rtf);
}

// Prose as pandoc writes it, 10 MB unless VORLA_BENCH_BYTES says otherwise.
void PandocProse(benchmark::State& state) {
  static const std::optional<std::string> rtf =
      bench::PandocRtf(bench::ProseText(bench::BenchBytes(10'000'000)));
  if (!rtf) {
    state.SkipWithError("pandoc is not installed or failed: no prose RTF to read");
    for (auto _ : state) {
    }
    return;
  }
  ReadRtf(state, "PandocProse", *rtf);
}

// Documents of nothing but one small piece, 4 MB unless VORLA_BENCH_BYTES says otherwise:
// what each run, paragraph, picture or field costs beyond its bytes.
void Pieces(benchmark::State& state, const char* name, std::string_view piece) {
  static std::map<std::string_view, std::string> inputs;
  auto [input, made] = inputs.try_emplace(piece);
  if (made) input->second = bench::RepeatedPieceRtf(piece, bench::BenchBytes(4'000'000));
  ReadRtf(state, name, input->second);
}

BENCHMARK_CAPTURE(Pieces, OneCharacterRuns, "OneCharacterRuns", bench::kOneCharacterRuns)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Pieces, EmptyParagraphs, "EmptyParagraphs", bench::kEmptyParagraphs)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Pieces, EmptyPictures, "EmptyPictures", bench::kEmptyPictures)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Pieces, BareFields, "BareFields", bench::kBareFields)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ShortNames)->Unit(benchmark::kMillisecond);
BENCHMARK(Hostile)->Unit(benchmark::kMillisecond);
BENCHMARK(PandocProse)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  bench::RatioReporter reporter({{"Hostile", "ShortNames", 1.5}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const auto& [name, figure] : peaks) {
    const double goal = kPeakPerInputByte * figure.inputBytes + kFixedPeak;
    std::printf(
        "%s: peak %.1f MiB reading %.1f MiB (goal at most %.1f MiB)%s; %.1f bytes per input "
        "byte above the %.1f MiB resident before\n",
        name.c_str(), figure.peakBytes / kMegabyte, figure.inputBytes / kMegabyte, goal / kMegabyte,
        figure.peakBytes <= goal ? "" : " MISSED", figure.PerInputByte(),
        figure.residentBefore / kMegabyte);
  }
  benchmark::Shutdown();
  return 0;
}

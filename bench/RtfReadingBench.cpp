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
};
// By benchmark, from its last run (the library runs a benchmark more than once to choose
// its iterations).
std::map<std::string, PeakFigure> peaks;

// Reads the input as a pane does; the peak resident memory counts the input and the program.
void ReadRtf(benchmark::State& state, const std::string& name, const std::string& rtf) {
  double peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    bench::ResetPeakResident();
    state.ResumeTiming();
    {
      const RichDocument document = RtfReader().Read(rtf);
      benchmark::DoNotOptimize(document.paragraphs.data());
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
  peaks[name] = {size, peak};
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
    std::printf("%s: peak %.1f MiB reading %.1f MiB (goal at most %.1f MiB)%s\n", name.c_str(),
                figure.peakBytes / kMegabyte, figure.inputBytes / kMegabyte, goal / kMegabyte,
                figure.peakBytes <= goal ? "" : " MISSED");
  }
  benchmark::Shutdown();
  return 0;
}

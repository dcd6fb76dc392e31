// Translating prose of 1 MB, 20 MB and 80 MB through the service simulator running as a
// process of its own: the time the client spends packing, escaping, transferring and
// expanding, and the client's peak resident memory against the size of the text.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "DemoService.h"
#include "PeakMemory.h"
#include "ProseText.h"
#include "RatioReporter.h"
#include "SimulatorProcess.h"
#include "service/FormEncoding.h"
#include "service/JobCompression.h"
#include "service/ServiceClient.h"
#include "translation/RequestLength.h"
#include "translation/TranslationFlags.h"
#include "translation/TranslatorState.h"

namespace {

using namespace vorla;

constexpr double kMegabyte = 1024.0 * 1024.0;
constexpr std::int64_t kSizes[] = {1 << 20, 20 << 20, 80 << 20};

bench::DemoService* service = nullptr;

std::size_t SizeOf(const benchmark::State& state) {
  return bench::BenchBytes(static_cast<std::size_t>(state.range(0)));
}

// A text job as the translator fills it for English to Finnish.
TranslationJob ProseJob(std::size_t size) {
  TranslationJob job;
  job.Initialise();
  job.SetSource(bench::ProseText(size));
  job.pid = Config::kProductId;
  job.trflags = kTrFromClient | kTrNoUnknownWordMarks | kTrCompress;
  MarkRequestLength(job);
  return job;
}

void Packing(benchmark::State& state) {
  const std::size_t size = SizeOf(state);
  for (auto _ : state) {
    state.PauseTiming();
    TranslationJob job = ProseJob(size);
    state.ResumeTiming();
    CompressSource(job);
    state.counters["packed_per_text"] = static_cast<double>(job.srclen) / static_cast<double>(size);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
}

void Escaping(benchmark::State& state) {
  TranslationJob job = ProseJob(SizeOf(state));
  CompressSource(job);
  for (auto _ : state) {
    std::string body;
    EncodeFormBytes(job.Source(), body);
    benchmark::DoNotOptimize(body.data());
  }
  state.SetBytesProcessed(state.iterations() * job.srclen);
}

void Expansion(benchmark::State& state) {
  TranslationJob packed = ProseJob(SizeOf(state));
  CompressSource(packed);
  for (auto _ : state) {
    state.PauseTiming();
    TranslationJob job;
    job.resbuf = MakeRef<StringBuffer>();
    job.resbuf->Append(packed.srctxt.data(), packed.srclen);
    state.ResumeTiming();
    ExpandResult(job, -1);
    benchmark::DoNotOptimize(job.resbuf->GetData());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(SizeOf(state)));
}

// When the upload and the download of a request begin and end.
class PhaseClock final : public UnknownImpl<IHttpConnObserver> {
 public:
  using Time = std::chrono::steady_clock::time_point;
  Time uploadBegin, uploadEnd, downloadBegin, downloadEnd;

  static double Seconds(Time from, Time to) {
    return std::chrono::duration<double>(to - from).count();
  }

  std::int32_t OnConnecting(std::int32_t) override { return 0; }
  std::int32_t OnReconnecting(std::int32_t, std::int32_t) override { return 0; }
  std::int32_t OnRequestSent(std::int32_t, std::int32_t) override { return 0; }
  std::int32_t OnDownloadBegin(std::int32_t, std::int32_t) override { return Stamp(downloadBegin); }
  std::int32_t OnDownloadProgress(std::int32_t, std::int32_t, std::int32_t) override { return 0; }
  std::int32_t OnDownloadEnd(std::int32_t, std::int32_t, std::int32_t) override {
    return Stamp(downloadEnd);
  }
  std::int32_t OnUploadBegin(std::int32_t, std::int32_t) override { return Stamp(uploadBegin); }
  std::int32_t OnUploadProgress(std::int32_t, std::int32_t, std::int32_t) override { return 0; }
  std::int32_t OnUploadEnd(std::int32_t, std::int32_t, std::int32_t) override {
    return Stamp(uploadEnd);
  }

 private:
  static std::int32_t Stamp(Time& time) {
    time = std::chrono::steady_clock::now();
    return 0;
  }
};

// The whole request: packing, escaping, upload, the simulator's work, download, expansion.
// The peak resident memory counts from the moment the job holds its text.
void Translation(benchmark::State& state) {
  const std::size_t size = SizeOf(state);
  const auto phases = MakeRef<PhaseClock>();
  double peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    TranslationJob job = ProseJob(size);
    ServiceClient client;
    client.Initialise(service->config, *service->state, service->connections);
    client.SetTranslationObserver(phases);
    bench::ResetPeakResident();
    state.ResumeTiming();
    if (client.Translate(job, kRepeatOnce) != 0 || job.Result().empty()) {
      state.SkipWithError("the translation failed");
      break;
    }
    state.PauseTiming();
    peak = std::max(peak, static_cast<double>(bench::PeakResidentBytes()));
    state.ResumeTiming();
  }
  state.counters["upload_s"] = PhaseClock::Seconds(phases->uploadBegin, phases->uploadEnd);
  state.counters["service_s"] = PhaseClock::Seconds(phases->uploadEnd, phases->downloadBegin);
  state.counters["download_s"] = PhaseClock::Seconds(phases->downloadBegin, phases->downloadEnd);
  state.counters["peak_rss_MiB"] = peak / kMegabyte;
  state.counters["peak_per_text"] = peak / static_cast<double>(size);
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
  for (const std::int64_t size : kSizes)
    benchmark->Arg(size);
  benchmark->Unit(benchmark::kMillisecond)->Iterations(1);
}

BENCHMARK(Packing)->Apply(Sizes);
BENCHMARK(Escaping)->Apply(Sizes);
BENCHMARK(Expansion)->Apply(Sizes);
BENCHMARK(Translation)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  return bench::RunAgainstSimulator(
      argc, argv, "translation_bench", [](const bench::SimulatorProcess& simulator) {
        char home[] = "/tmp/vorla-bench-XXXXXX";
        if (!mkdtemp(home)) throw std::runtime_error("no home folder");
        const std::unique_ptr<bench::DemoService> demo = bench::LogInDemo(simulator.url(), home);
        service = demo.get();
        benchmark::RunSpecifiedBenchmarks();
        service = nullptr;
        std::filesystem::remove_all(home);
      });
}

// Building the body of a compressed translation request, and expanding a compressed result,
// each against zlib doing the same work alone.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "RatioReporter.h"
#include "common/StringBuffer.h"
#include "service/Compression.h"
#include "service/FormEncoding.h"
#include "service/JobCompression.h"
#include "translation/TranslationFlags.h"

namespace {

// Text that compresses about as well as prose (close to three to one): words of a made-up
// vocabulary, common letters and common words more often than rare ones.
const std::string& SourceText() {
  static const std::string text = [] {
    std::uint32_t state = 12345;
    const auto next = [&state] {
      state = state * 1664525u + 1013904223u;
      return state >> 16;
    };
    constexpr std::string_view kLetters = "etaoinshrdlucmfwypvbgkqjxz";
    constexpr std::uint32_t kWords = 2000;
    std::vector<std::string> vocabulary;
    for (std::uint32_t i = 0; i < kWords; ++i) {
      std::string word(2 + next() % 9, ' ');
      for (char& letter : word)
        letter = kLetters[std::min(next() % 26, next() % 26)];
      vocabulary.push_back(std::move(word));
    }
    const std::size_t size = vorla::bench::BenchBytes(50 * 1024 * 1024);
    std::string out;
    out.reserve(size + 16);
    while (out.size() < size) {
      out += vocabulary[std::min(next() % kWords, next() % kWords)];
      const std::uint32_t separator = next() % 12;
      out += separator == 0 ? ". " : separator == 1 ? ", " : " ";
    }
    out.resize(size);
    return out;
  }();
  return text;
}

const std::string& PackedText() {
  static const std::string packed = vorla::CompressBytes(SourceText()).value();
  return packed;
}

void ZlibCompress(benchmark::State& state) {
  const std::string& text = SourceText();
  for (auto _ : state) {
    std::string packed(compressBound(text.size()), '\0');
    uLongf size = packed.size();
    compress(reinterpret_cast<Bytef*>(packed.data()), &size,
             reinterpret_cast<const Bytef*>(text.data()), text.size());
    benchmark::DoNotOptimize(packed.data());
  }
}

void BuildCompressedBody(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    vorla::TranslationJob job;
    job.SetSource(SourceText());
    job.trflags = vorla::kTrFromClient | vorla::kTrCompress;
    state.ResumeTiming();
    vorla::CompressSource(job);
    std::string body = "cmd=tr&p=6&pid=4&ver=3.1.2&srctxt=";
    vorla::EncodeFormBytes(job.Source(), body);
    benchmark::DoNotOptimize(body.data());
  }
}

void PlainInflate(benchmark::State& state) {
  const std::string& packed = PackedText();
  for (auto _ : state) {
    std::string text(SourceText().size(), '\0');
    uLongf size = text.size();
    uncompress(reinterpret_cast<Bytef*>(text.data()), &size,
               reinterpret_cast<const Bytef*>(packed.data()), packed.size());
    benchmark::DoNotOptimize(text.data());
  }
}

void ExpandResult(benchmark::State& state) {
  const std::string& packed = PackedText();
  for (auto _ : state) {
    state.PauseTiming();
    vorla::TranslationJob job;
    job.resbuf = vorla::MakeRef<vorla::StringBuffer>();
    job.resbuf->AppendString(packed.data(), static_cast<std::int32_t>(packed.size()));
    state.ResumeTiming();
    vorla::ExpandResult(job, -1);
    benchmark::DoNotOptimize(job.resbuf->GetData());
  }
}

BENCHMARK(ZlibCompress)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BuildCompressedBody)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(PlainInflate)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ExpandResult)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  vorla::bench::RatioReporter reporter(
      {{"BuildCompressedBody", "ZlibCompress", 1.15}, {"ExpandResult", "PlainInflate", 1.10}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

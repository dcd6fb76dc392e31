// Translating an 85 MB text file and an 85 MB HTML file, file to file, with `vorla
// translate-file` against the service simulator running as a process of its own (their
// translations stay under the service's limit of 100 MB). The baseline of each is a bare
// libcurl request that uploads the same file as a `tr` request and downloads the simulator's
// answer: the simulator's own time plus the transfer of the same bytes. The client's peak
// resident memory is reported against the file's size.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "DemoService.h"
#include "ProseText.h"
#include "RatioReporter.h"
#include "SimulatorProcess.h"
#include "platform/ChildProcess.h"
#include "platform/TemporaryFolder.h"
#include "service/FormEncoding.h"
#include "service/SessionCookies.h"

namespace {

using namespace vorla;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The service takes sources and answers below 100,000,000 bytes, and the translation of
// this prose comes out 1.12 times as long as the source.
constexpr std::size_t kFileBytes = 85'000'000;
constexpr auto kJobTimeout = 30min;

struct BenchSetup {
  std::string url;
  fs::path home;
  fs::path text;
  fs::path html;
};
const BenchSetup* setup = nullptr;

// Prose as HTML paragraphs, up to about the size asked for.
std::string ProseHtml(std::size_t size) {
  const std::string prose = bench::ProseText(size);
  std::string html = "<html><head><title>Prose</title></head><body>\n";
  std::size_t start = 0;
  while (start < prose.size() && html.size() < size) {
    const std::size_t end = std::min(prose.find('\n', start), prose.size());
    html += "<p class=\"prose\">" + prose.substr(start, end - start) + "</p>\n";
    start = end + 1;
  }
  return html + "</body></html>\n";
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> VorlaEnvironment() {
  return {"VORLA_HOME=" + setup->home.string(), "VORLA_SERVICE_URL=" + setup->url};
}

// vorla with the benchmark's home and service: env(1) sets them without a shell.
ProgramOutcome RunVorla(std::vector<std::string> arguments, const fs::path& input = "/dev/null") {
  std::vector<std::string> all = VorlaEnvironment();
  all.push_back(VORLA_CLI);
  all.insert(all.end(), arguments.begin(), arguments.end());
  return RunProgram("/usr/bin/env", all, kJobTimeout, input);
}

constexpr int kText = 1;
constexpr int kHtml = 3;

const fs::path& SourceOf(int format) {
  return format == kText ? setup->text : setup->html;
}

void FileToFile(benchmark::State& state, int format) {
  const fs::path& source = SourceOf(format);
  const fs::path out = setup->home / ("out" + source.extension().string());
  std::size_t peak = 0;
  for (auto _ : state) {
    const ProgramOutcome run =
        RunVorla({"translate-file", source.string(), "-o", out.string(), "--yes"});
    if (!run.Succeeded() || fs::file_size(out) == 0) {
      state.SkipWithError("vorla translate-file failed");
      break;
    }
    peak = std::max(peak, run.peakResidentBytes);
  }
  const double size = static_cast<double>(fs::file_size(source));
  state.counters["peak_rss_MiB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
  state.counters["peak_per_file"] = static_cast<double>(peak) / size;
}

std::size_t Collect(char* bytes, std::size_t size, std::size_t count, void* answer) {
  static_cast<std::string*>(answer)->append(bytes, size * count);
  return size * count;
}

// Whether a `tr` answer has status 0 at its front.
bool IsTranslation(const std::string& answer) {
  return answer.size() >= 16 && answer.compare(0, 4, std::string(4, '\0')) == 0;
}

// The same file as one plain `tr` request of the demo user, sent and answered.
void BareTransfer(benchmark::State& state, int format) {
  const fs::path& source = SourceOf(format);
  // The demo user's session, which the benchmark process logged in.
  curl_slist* headers = curl_slist_append(nullptr, SessionCookieHeader(false).c_str());
  std::string body =
      "cmd=tr&p=6&pid=4&ver=3.1.2&trflags=33554688&trflagsext=2048&sentype=10"
      "&srcformat=" +
      std::to_string(format) + "&srclan=0&tgtformat=" + std::to_string(format) +
      "&tgtlan=1&formating=0&srctxt=";
  EncodeFormBytes(ReadFile(source), body);
  for (auto _ : state) {
    CURL* curl = curl_easy_init();
    curl_easy_setopt(curl, CURLOPT_URL, setup->url.c_str());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    std::string answer;
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &answer);
    const CURLcode code = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    if (code != CURLE_OK || !IsTranslation(answer)) {
      state.SkipWithError("the bare request failed");
      break;
    }
    state.counters["answer_per_file"] =
        static_cast<double>(answer.size()) / static_cast<double>(fs::file_size(source));
  }
  curl_slist_free_all(headers);
}

BENCHMARK_CAPTURE(BareTransfer, text, kText)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(FileToFile, text, kText)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BareTransfer, html, kHtml)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(FileToFile, html, kHtml)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  return bench::RunAgainstSimulator(
      argc, argv, "file_translation_bench", [](const bench::SimulatorProcess& simulator) {
        const TemporaryFolder work(fs::temp_directory_path());
        BenchSetup files{simulator.url(), work.path(), work.path() / "prose.txt",
                         work.path() / "prose.html"};
        const std::size_t size = bench::BenchBytes(kFileBytes);
        WriteFile(files.text, bench::ProseText(size));
        WriteFile(files.html, ProseHtml(size));
        WriteFile(files.home / "password", "demo\n");
        setup = &files;
        if (!RunVorla({"login", "--user", "demo", "--password-stdin"}, files.home / "password")
                 .Succeeded()) {
          throw std::runtime_error("the demo user cannot log in");
        }
        const std::unique_ptr<bench::DemoService> demo =
            bench::LogInDemo(simulator.url(), (files.home / "bench").string());
        bench::RatioReporter reporter({
            {"FileToFile/text", "BareTransfer/text", 1.2},
            {"FileToFile/html", "BareTransfer/html", 1.2},
        });
        benchmark::RunSpecifiedBenchmarks(&reporter);
        setup = nullptr;
      });
}

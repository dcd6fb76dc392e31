#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace vorla::bench {

// A benchmark measured against a baseline of the same run, with the ratio it should stay
// within.
struct RatioGoal {
  std::string measured;
  std::string baseline;
  double goal;
};

// The console report, followed by the ratio of each measured benchmark to its baseline.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(std::vector<RatioGoal> goals) : goals_(std::move(goals)) {}

  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::vector<RatioGoal> goals_;
  std::map<std::string, double> realTimes_;
};

// The size of the benchmark's input: VORLA_BENCH_BYTES when set (the smoke run in the tests
// sets a tiny one), else the given default.
std::size_t BenchBytes(std::size_t defaultBytes);

}  // namespace vorla::bench

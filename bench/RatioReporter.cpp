#include "RatioReporter.h"

#include <cstdio>
#include <cstdlib>

namespace vorla::bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs)
    realTimes_[run.run_name.function_name] = run.GetAdjustedRealTime();
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  for (const RatioGoal& goal : goals_) {
    const auto measured = realTimes_.find(goal.measured);
    const auto baseline = realTimes_.find(goal.baseline);
    if (measured == realTimes_.end() || baseline == realTimes_.end() || baseline->second <= 0) {
      continue;
    }
    const double ratio = measured->second / baseline->second;
    std::printf("%s / %s = %.3f (goal at most %.2f)%s\n", goal.measured.c_str(),
                goal.baseline.c_str(), ratio, goal.goal, ratio <= goal.goal ? "" : " MISSED");
  }
}

std::size_t BenchBytes(std::size_t defaultBytes) {
  const char* text = std::getenv("VORLA_BENCH_BYTES");
  if (!text) return defaultBytes;
  const unsigned long long bytes = std::strtoull(text, nullptr, 10);
  return bytes > 0 ? static_cast<std::size_t>(bytes) : defaultBytes;
}

}  // namespace vorla::bench

#include <gtest/gtest.h>

#include <fstream>

#include "platform/ChildProcess.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

using namespace std::chrono_literals;
using Kind = ProgramOutcome::Kind;

TEST(RunProgram, PassesEachArgumentWholeAndReportsTheExitCode) {
  // test(1) sees three arguments only when "a b" is not split at its blank.
  EXPECT_TRUE(RunProgram("/usr/bin/test", {"a b", "=", "a b"}, 10s).Succeeded());
  const ProgramOutcome unequal = RunProgram("/usr/bin/test", {"a b", "=", "a"}, 10s);
  EXPECT_EQ(unequal.kind, Kind::kExited);
  EXPECT_EQ(unequal.exitCode, 1);
  // A shell would expand this; the program gets it as it is and the file does not exist.
  EXPECT_EQ(RunProgram("/usr/bin/test", {"-e", "$HOME"}, 10s).exitCode, 1);
}

TEST(RunProgram, ReadsStandardInputFromTheFileGivenAndReportsItsPeakMemory) {
  const std::filesystem::path input = test::CurrentHome() / "input.txt";
  std::ofstream(input) << "the input\n";
  const ProgramOutcome same = RunProgram("/usr/bin/cmp", {"-", input.string()}, 10s, input);
  EXPECT_TRUE(same.Succeeded());
  EXPECT_GT(same.peakResidentBytes, 0u);
  EXPECT_EQ(RunProgram("/usr/bin/cmp", {"-", input.string()}, 10s).exitCode, 1)
      << "/dev/null by default";
}

TEST(RunProgram, EndsAProgramThatOutlivesItsTimeout) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(RunProgram("/bin/sleep", {"30"}, 200ms).kind, Kind::kTimedOut);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}

TEST(RunProgram, AMissingProgramDoesNotStart) {
  EXPECT_EQ(RunProgram("/nonexistent/vorla-no-program", {}, 10s).kind, Kind::kNotStarted);
}

}  // namespace
}  // namespace vorla

#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vorla {

// How a program run by RunProgram ended.
struct ProgramOutcome {
  enum class Kind { kExited, kTimedOut, kNotStarted, kSignalled };
  Kind kind = Kind::kNotStarted;
  int exitCode = -1;                  // for kExited
  std::size_t peakResidentBytes = 0;  // the program's own, when it ended by itself

  bool Succeeded() const { return kind == Kind::kExited && exitCode == 0; }
};

// Runs program with the arguments as they are (no shell reads them), its standard output and
// error on /dev/null and its standard input read from the file given, in a process group of
// its own, and waits at most timeout for it. A program still running then is ended with its
// whole group, since converters start helpers of their own.
ProgramOutcome RunProgram(const std::filesystem::path& program,
                          const std::vector<std::string>& arguments,
                          std::chrono::milliseconds timeout,
                          const std::filesystem::path& standardInput = "/dev/null");

// Whether a process of the id runs (or exists under another user).
bool ProcessIsRunning(std::int64_t processId);

}  // namespace vorla

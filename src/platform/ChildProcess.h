#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace vorla {

// How a program run by RunProgram ended.
struct ProgramOutcome {
  enum class Kind { kExited, kTimedOut, kNotStarted, kSignalled };
  Kind kind = Kind::kNotStarted;
  int exitCode = -1;  // for kExited

  bool Succeeded() const { return kind == Kind::kExited && exitCode == 0; }
};

// Runs program with the arguments as they are (no shell reads them), its standard streams on
// /dev/null, in a process group of its own, and waits at most timeout for it. A program still
// running then is ended with its whole group, since converters start helpers of their own.
ProgramOutcome RunProgram(const std::filesystem::path& program,
                          const std::vector<std::string>& arguments,
                          std::chrono::milliseconds timeout);

}  // namespace vorla

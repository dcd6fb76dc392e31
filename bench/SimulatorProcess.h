#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <string_view>

namespace vorla::bench {

// vorla-service-sim running as a process of its own on a free loopback port, stopped when
// the object goes.
class SimulatorProcess {
 public:
  explicit SimulatorProcess(const std::string& program);
  ~SimulatorProcess();
  SimulatorProcess(const SimulatorProcess&) = delete;
  SimulatorProcess& operator=(const SimulatorProcess&) = delete;

  // The address it printed; throws std::runtime_error when it did not start.
  const std::string& url() const { return url_; }

 private:
  pid_t pid_ = -1;
  std::string url_;
};

// The main of a benchmark program against the simulator: the process-wide HTTP state, the
// simulator, `run` with it, and the failure of either reported under the program's name.
int RunAgainstSimulator(int argc, char** argv, std::string_view programName,
                        const std::function<void(const SimulatorProcess&)>& run);

}  // namespace vorla::bench

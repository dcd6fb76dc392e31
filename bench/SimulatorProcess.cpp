#include "SimulatorProcess.h"

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <stdexcept>

#include "platform/CurlGlobal.h"
#include "service/ServiceProcessState.h"

extern char** environ;

namespace vorla::bench {

SimulatorProcess::SimulatorProcess(const std::string& program) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) throw std::runtime_error("no pipe for the simulator");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  std::string portOption = "--port";
  std::string anyPort = "0";
  char* arguments[] = {const_cast<char*>(program.c_str()), portOption.data(), anyPort.data(),
                       nullptr};
  const int spawned = posix_spawn(&pid_, program.c_str(), &actions, nullptr, arguments, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  if (spawned != 0) {
    close(pipeEnds[0]);
    throw std::runtime_error("cannot start " + program);
  }
  // Its first line is its address.
  char c = 0;
  while (read(pipeEnds[0], &c, 1) == 1 && c != '\n')
    url_ += c;
  close(pipeEnds[0]);
  if (url_.empty()) throw std::runtime_error(program + " printed no address");
}

SimulatorProcess::~SimulatorProcess() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  int status = 0;
  waitpid(pid_, &status, 0);
}

int RunAgainstSimulator(int argc, char** argv, std::string_view programName,
                        const std::function<void(const SimulatorProcess&)>& run) {
  benchmark::Initialize(&argc, argv);
  const CurlGlobal curl;
  const ServiceProcessState process;
  try {
    const SimulatorProcess simulator(VORLA_SERVICE_SIM);
    run(simulator);
  } catch (const std::exception& error) {
    std::cerr << programName << ": " << error.what() << '\n';
    return 1;
  }
  benchmark::Shutdown();
  return 0;
}

}  // namespace vorla::bench

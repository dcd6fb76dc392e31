#include "platform/ChildProcess.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

extern char** environ;

namespace vorla {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(20);

constexpr std::size_t kKilobyte = 1024;

ProgramOutcome OutcomeOf(int status, const rusage& usage) {
  const std::size_t peak = static_cast<std::size_t>(usage.ru_maxrss) * kKilobyte;
  if (WIFEXITED(status)) return {ProgramOutcome::Kind::kExited, WEXITSTATUS(status), peak};
  return {ProgramOutcome::Kind::kSignalled, -1, peak};
}

// The spawn attributes and file actions, released however the run ends.
class SpawnSetup {
 public:
  explicit SpawnSetup(const std::string& standardInput) {
    posix_spawnattr_init(&attributes_);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes_, 0);
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, standardInput.c_str(), O_RDONLY, 0);
    for (int stream : {STDOUT_FILENO, STDERR_FILENO}) {
      posix_spawn_file_actions_addopen(&actions_, stream, "/dev/null", O_WRONLY, 0);
    }
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attributes_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  const posix_spawnattr_t* attributes() const { return &attributes_; }
  const posix_spawn_file_actions_t* actions() const { return &actions_; }

 private:
  posix_spawnattr_t attributes_;
  posix_spawn_file_actions_t actions_;
};

}  // namespace

ProgramOutcome RunProgram(const std::filesystem::path& program,
                          const std::vector<std::string>& arguments,
                          std::chrono::milliseconds timeout,
                          const std::filesystem::path& standardInput) {
  std::vector<char*> argv;
  std::string programText = program.string();
  argv.push_back(programText.data());
  std::vector<std::string> copies = arguments;
  for (std::string& argument : copies)
    argv.push_back(argument.data());
  argv.push_back(nullptr);

  const std::string input = standardInput.string();
  const SpawnSetup setup(input);
  pid_t pid = 0;
  if (posix_spawn(&pid, programText.c_str(), setup.actions(), setup.attributes(), argv.data(),
                  environ) != 0) {
    return {};
  }

  const auto deadline = std::chrono::steady_clock::now() + timeout;
  int status = 0;
  rusage usage{};
  while (std::chrono::steady_clock::now() < deadline) {
    const pid_t done = wait4(pid, &status, WNOHANG, &usage);
    if (done == pid) return OutcomeOf(status, usage);
    if (done < 0) return {ProgramOutcome::Kind::kSignalled, -1};
    std::this_thread::sleep_for(kPollInterval);
  }
  kill(-pid, SIGKILL);
  waitpid(pid, &status, 0);
  return {ProgramOutcome::Kind::kTimedOut, -1};
}

bool ProcessIsRunning(std::int64_t processId) {
  if (processId <= 0) return false;
  return kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

}  // namespace vorla

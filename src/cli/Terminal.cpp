#include "cli/Terminal.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <iostream>

namespace vorla::cli {

namespace {

void DropLineEnd(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
}

// The terminal, opened for one question and closed after it.
class TerminalFile {
 public:
  TerminalFile() : fd_(open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC)) {}
  ~TerminalFile() {
    if (fd_ >= 0) close(fd_);
  }
  TerminalFile(const TerminalFile&) = delete;
  TerminalFile& operator=(const TerminalFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }

  void Write(std::string_view text) const {
    while (!text.empty()) {
      const ssize_t written = write(fd_, text.data(), text.size());
      if (written <= 0) return;
      text.remove_prefix(static_cast<std::size_t>(written));
    }
  }

  std::optional<std::string> ReadLine() const {
    std::string line;
    char c = 0;
    while (true) {
      const ssize_t got = read(fd_, &c, 1);
      if (got <= 0) return line.empty() ? std::nullopt : std::optional(line);
      if (c == '\n') break;
      line += c;
    }
    DropLineEnd(line);
    return line;
  }

  int fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<std::string> AskTerminal(std::string_view prompt, bool echo) {
  const TerminalFile terminal;
  if (!terminal.IsOpen()) return std::nullopt;
  terminal.Write(prompt);
  termios saved{};
  const bool hide = !echo && tcgetattr(terminal.fd(), &saved) == 0;
  if (hide) {
    termios silent = saved;
    silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(terminal.fd(), TCSAFLUSH, &silent);
  }
  std::optional<std::string> line = terminal.ReadLine();
  if (hide) {
    tcsetattr(terminal.fd(), TCSAFLUSH, &saved);
    terminal.Write("\n");
  }
  return line;
}

std::optional<std::string> ReadStandardInputLine() {
  std::string line;
  if (!std::getline(std::cin, line)) return std::nullopt;
  DropLineEnd(line);
  return line;
}

}  // namespace vorla::cli

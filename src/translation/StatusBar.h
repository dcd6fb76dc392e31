#pragma once

#include <string_view>

namespace vorla {

// The main window's status line, where logins report their progress when asked to. The
// desktop client queues the text to its window; the command line prints it. UTF-8.
class StatusBar {
 public:
  virtual ~StatusBar() = default;

  virtual void ShowStatus(std::string_view text) = 0;
};

}  // namespace vorla

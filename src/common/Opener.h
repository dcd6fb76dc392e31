#pragma once

#include <string_view>

namespace vorla {

// Opens a file in the program registered for it, or an address in the user's browser. The
// desktop client hands the target to the platform as one argument, never through a shell;
// the command line prints it. Opening never reports failure to the user.
class Opener {
 public:
  virtual ~Opener() = default;

  // target: a path or an address (UTF-8).
  virtual void Open(std::string_view target) = 0;
};

}  // namespace vorla

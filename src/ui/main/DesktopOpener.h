#pragma once

#include <memory>

#include "common/Opener.h"
#include "ui/main/WindowThreadQueue.h"

namespace vorla {

// Opens addresses in the user's browser and files in the program registered for them,
// through the desktop; the target goes to it as one argument, never through a shell. Called
// from workers too (result files), so the opening is queued to the window thread, and
// nothing is opened once the window has closed.
class DesktopOpener final : public Opener {
 public:
  explicit DesktopOpener(std::shared_ptr<WindowThreadQueue> queue) : queue_(std::move(queue)) {}

  void Open(std::string_view target) override;

 private:
  std::shared_ptr<WindowThreadQueue> queue_;
};

}  // namespace vorla

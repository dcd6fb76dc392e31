#pragma once

#include <atomic>
#include <memory>
#include <utility>

#include "common/ApplicationClosing.h"

namespace vorla {

// Which job a report belongs to. Every report a worker makes carries it, and a window that
// queues the report to its own thread asks it again when the call runs there: a job that
// was cancelled or superseded meanwhile, or a program that started closing, shows nothing.
class JobIdentity {
 public:
  // A report on behalf of no job (the "Cancel translation" command): shown unless the
  // program is closing.
  JobIdentity() = default;
  explicit JobIdentity(std::shared_ptr<const std::atomic<bool>> cancelled)
      : cancelled_(std::move(cancelled)) {}

  bool MayShow() const { return !(cancelled_ && cancelled_->load()) && !IsApplicationClosing(); }

 private:
  std::shared_ptr<const std::atomic<bool>> cancelled_;
};

}  // namespace vorla

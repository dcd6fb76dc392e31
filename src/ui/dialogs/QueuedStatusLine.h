#pragma once

#include "translation/StatusBar.h"

class QLabel;

namespace vorla {

// A worker's status texts shown in a label of a window, queued to the window thread. The
// label must outlive the workers that report to it.
class QueuedStatusLine final : public StatusBar {
 public:
  explicit QueuedStatusLine(QLabel& label) : label_(label) {}

  void ShowStatus(std::string_view text) override;

 private:
  QLabel& label_;
};

}  // namespace vorla

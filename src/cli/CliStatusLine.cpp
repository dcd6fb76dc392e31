#include "cli/CliStatusLine.h"

#include <iostream>

namespace vorla::cli {

void CliStatusLine::ShowStatus(std::string_view text) {
  std::lock_guard lock(mutex_);
  // A status line shows the same text once, however often it is set.
  if (text.empty() || text == last_) return;
  last_ = text;
  std::cerr << text << '\n';
}

}  // namespace vorla::cli

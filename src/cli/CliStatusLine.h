#pragma once

#include <mutex>
#include <string>

#include "translation/StatusBar.h"

namespace vorla::cli {

// The status line of the command line: each text on the standard error, once.
class CliStatusLine final : public StatusBar {
 public:
  void ShowStatus(std::string_view text) override;

 private:
  std::mutex mutex_;
  std::string last_;
};

}  // namespace vorla::cli

#pragma once

#include <memory>

#include "cli/CliStatusLine.h"
#include "documents/files/FileCommandHost.h"

namespace vorla::cli {

// The file commands on the command line: status texts and messages on the standard error;
// questions are answered by --yes.
class CliFileHost final : public FileCommandHost {
 public:
  CliFileHost(std::shared_ptr<CliStatusLine> statusLine, bool yes)
      : statusLine_(std::move(statusLine)), yes_(yes) {}

  void ShowStatus(std::string_view text) override;
  void ShowMessage(std::string_view text) override;
  bool Ask(std::string_view question) override;

 private:
  std::shared_ptr<CliStatusLine> statusLine_;
  bool yes_;
};

}  // namespace vorla::cli

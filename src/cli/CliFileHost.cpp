#include "cli/CliFileHost.h"

#include <iostream>

namespace vorla::cli {

void CliFileHost::ShowStatus(std::string_view text) {
  if (!text.empty()) statusLine_->ShowStatus(text);
}

void CliFileHost::ShowMessage(std::string_view text) {
  std::cerr << text << '\n';
}

bool CliFileHost::Ask(std::string_view question) {
  std::cerr << question << (yes_ ? " yes" : " no (--yes answers yes)") << '\n';
  return yes_;
}

}  // namespace vorla::cli

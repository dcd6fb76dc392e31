#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "documents/files/FileCommandHost.h"

namespace vorla::test {

// Records the messages of the file commands and answers every question Yes.
class RecordingHost final : public FileCommandHost {
 public:
  void ShowStatus(std::string_view) override {}
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  bool Ask(std::string_view) override { return true; }
  std::vector<std::string> messages;
};

}  // namespace vorla::test

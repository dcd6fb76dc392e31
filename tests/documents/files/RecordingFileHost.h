#pragma once

#include <string>
#include <vector>

#include "documents/files/FileCommandHost.h"

namespace vorla::test {

// Records what the file commands show, and answers questions with `answer`.
class RecordingFileHost final : public FileCommandHost {
 public:
  void ShowStatus(std::string_view text) override { statuses.emplace_back(text); }
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  bool Ask(std::string_view question) override {
    questions.emplace_back(question);
    return answer;
  }

  bool answer = true;
  std::vector<std::string> statuses;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
};

}  // namespace vorla::test

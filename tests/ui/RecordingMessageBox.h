#pragma once

#include <string>
#include <vector>

#include "config/MessageBox.h"

namespace vorla::test {

// Records the messages the panes show and answers Ok.
class RecordingMessageBox final : public MessageBox {
 public:
  struct Shown {
    std::string text;
    MessageIcon icon;
  };

  MessageAnswer Show(std::string_view text, std::string_view, MessageStyle style,
                     UiLanguage) override {
    shown.push_back({std::string(text), style.icon});
    return MessageAnswer::Ok;
  }

  std::vector<Shown> shown;
};

}  // namespace vorla::test

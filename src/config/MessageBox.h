#pragma once

#include <string_view>

#include "common/UiLanguage.h"

namespace vorla {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

struct MessageStyle {
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
  // 0 for the first button, 1 for the second, 2 for the third.
  int defaultButton = 0;
};

// Shows a message to the user and waits for the answer. The desktop client shows a message
// box centred over its owner with the button texts of the UI language; the command line
// prints the text. Texts are UTF-8.
class MessageBox {
 public:
  virtual ~MessageBox() = default;

  virtual MessageAnswer Show(std::string_view text, std::string_view caption, MessageStyle style,
                             UiLanguage language) = 0;
};

}  // namespace vorla

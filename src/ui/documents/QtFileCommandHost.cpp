#include "ui/documents/QtFileCommandHost.h"

#include "ui/dialogs/QtMessageBox.h"

namespace vorla {

void QtFileCommandHost::ShowStatus(std::string_view text) {
  if (showStatus_) showStatus_(text);
}

void QtFileCommandHost::ShowMessage(std::string_view text) {
  BuildMessageBox(owner_, text, {}, {.icon = MessageIcon::Information}, language_)->exec();
}

bool QtFileCommandHost::Ask(std::string_view question) {
  const auto box =
      BuildMessageBox(owner_, question, {},
                      {.buttons = MessageButtons::YesNo, .icon = MessageIcon::Question}, language_);
  return AnswerOf(box->exec()) == MessageAnswer::Yes;
}

}  // namespace vorla

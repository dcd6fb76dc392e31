#pragma once

#include <QMessageBox>
#include <memory>

#include "config/MessageBox.h"
#include "ui/dialogs/WindowThreadQuestions.h"

namespace vorla {

// The text of a message-box button in the UI language ("Kyllä", "Ei", "Peruuta" in
// Finnish).
QString MessageButtonText(QMessageBox::StandardButton button, UiLanguage language);

// A message box as the client shows it: plain text, the caption (the product name when
// empty), the icon, the buttons with the texts of the UI language and the default button.
// It opens centred over its owner, never at negative coordinates.
std::unique_ptr<QMessageBox> BuildMessageBox(QWidget* owner, std::string_view text,
                                             std::string_view caption, MessageStyle style,
                                             UiLanguage language);

// The answer of a button of the box; nothing for a box closed without one.
std::optional<MessageAnswer> AnswerOf(int standardButton);

// The message boxes of the desktop client. Shown on the window thread over the window that
// owns the asking thread's questions (`QuestionOwnerScope`), else the window in front (the
// main window when none is); a worker's box is asked there and answers Cancel
// (Ok for a box with only OK) while the program closes.
class QtMessageBox final : public MessageBox {
 public:
  explicit QtMessageBox(std::shared_ptr<WindowThreadQuestions> questions)
      : questions_(std::move(questions)) {}

  MessageAnswer Show(std::string_view text, std::string_view caption, MessageStyle style,
                     UiLanguage language) override;

 private:
  std::shared_ptr<WindowThreadQuestions> questions_;
};

}  // namespace vorla

#include "ui/panes/PaneSpeech.h"

#include "ui/panes/TextPane.h"

namespace vorla {

PaneSpeechText SpeechTextOf(const TextPane& pane) {
  const QTextCursor cursor = pane.textCursor();
  const QString plain = pane.toPlainText();
  return {std::u16string(reinterpret_cast<const char16_t*>(plain.utf16()),
                         static_cast<std::size_t>(plain.size())),
          cursor.hasSelection() ? static_cast<std::size_t>(cursor.selectionStart()) : 0};
}

void SelectSpokenWord(TextPane& pane, std::size_t start, std::size_t length) {
  QTextCursor cursor(pane.document());
  cursor.setPosition(static_cast<int>(start));
  cursor.setPosition(static_cast<int>(start + length), QTextCursor::KeepAnchor);
  pane.setTextCursor(cursor);
  pane.ensureCursorVisible();
}

}  // namespace vorla

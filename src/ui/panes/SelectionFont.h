#pragma once

#include <QColor>
#include <QFont>
#include <optional>

#include "ui/panes/TextPane.h"

namespace vorla {

// What "Format selected text..." presets its font and colour dialogs with.
struct SelectionFont {
  QFont font;  // face, size, weight, italic, underline, strike-out
  QColor color;
};

// The selection's font (at the caret without a selection): its face and its size when all
// of it has the same, else the pane's; weight, italic, underline and strike-out when all of
// it has them; its colour when all of it has the same one, else black.
SelectionFont SelectionFontPreset(const TextPane& pane);

// Gives the selection the chosen font, its size kept within 8 to 72 points, and the colour
// when one was chosen.
void ApplySelectionFont(TextPane& pane, const QFont& font, std::optional<QColor> color);

// "Format selected text...": the font dialog and then the colour dialog for the translation
// pane when it has the focus, else for the source pane. The focus returns where it was.
void FormatSelectedText(TextPane& source, TextPane& translation, QWidget* parent);

}  // namespace vorla

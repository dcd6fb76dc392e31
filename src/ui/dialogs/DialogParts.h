#pragma once

#include <QString>
#include <functional>
#include <string_view>
#include <vector>

class QLabel;
class QWidget;

namespace vorla {

// A label in the bold heading font of the dialogs, wrapping its lines.
QLabel* HeadingLabel(const QString& text);

// A plain label that wraps its lines.
QLabel* WrappingLabel(const QString& text);

// A piece of a text with links: plain text, or a link when it has a target.
struct TextPiece {
  QString text;
  QString target;
};

// A label showing the pieces (escaped, so no text is taken for markup); a click on a link
// hands its target to `open`.
QLabel* LinkLabel(const std::vector<TextPiece>& pieces, std::function<void(const QString&)> open);

// Paints the dialog and its labels on white.
void PaintWhite(QWidget& dialog);

}  // namespace vorla

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace vorla {

// The top-left corner that centres a window of the given size over the owner's frame,
// never at negative coordinates.
QPoint CentredOver(const QRect& owner, const QSize& window);

// The frame of a widget's window on the screen; nothing without a widget.
std::optional<QRect> WindowFrame(const QWidget* widget);

// Shows a modeless window, or one shown before, in front of the others and active.
void ShowInFront(QWidget& window);

// Moves a laid-out window centred over its owner (where it is without an owner).
void PlaceCentredOver(QWidget& window, const QWidget* owner);

// The window's corner at an offset from the owner's top-left corner, or at the fallback
// without an owner.
QPoint OffsetFrom(const std::optional<QRect>& owner, QPoint offset, QPoint fallback);

// Where the login dialog opens. Over the main window: centred horizontally, never left of
// 50, and 100 pixels below its top edge. Over another window: 80 pixels right of and 50
// below its top-left corner, never left of 80. Never above 50; at 100, 100 without a parent.
QPoint LoginDialogPosition(const std::optional<QRect>& parent, bool parentIsMainWindow,
                           int dialogWidth);

}  // namespace vorla

#include "ui/documents/ProgressDialogPlacement.h"

#include <algorithm>

namespace vorla {

namespace {

// The lower bound wins over the upper one on a screen too small for the dialog.
int Bounded(int value, int lowest, int highest) {
  return std::max(lowest, std::min(value, highest));
}

}  // namespace

QPoint ProgressDialogPosition(const QRect& mainWindow, const QRect& screen, const QSize& dialog) {
  const QPoint centred = mainWindow.center() - QPoint(dialog.width() / 2, dialog.height() / 2);
  const int left = Bounded(centred.x() - screen.left(), 20, screen.width() - dialog.width() - 10);
  const int top = Bounded(centred.y() - screen.top(), 100, screen.height() - dialog.height() - 40);
  return screen.topLeft() + QPoint(left, top);
}

}  // namespace vorla

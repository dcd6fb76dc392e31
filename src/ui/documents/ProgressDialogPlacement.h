#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vorla {

// Where the progress dialog opens: centred over the main window, its left edge at least 20
// and at most the screen's width less its width less 10 from the screen's left, its top at
// least 100 and at most the screen's height less its height less 40.
QPoint ProgressDialogPosition(const QRect& mainWindow, const QRect& screen, const QSize& dialog);

}  // namespace vorla

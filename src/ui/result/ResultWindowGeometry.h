#pragma once

#include <QPoint>
#include <QSize>
#include <optional>

#include "config/Settings.h"

namespace vorla {

// A result window of "Translate and open result in new window" and "UsrPref1", or the
// window of a clipboard translation. Each kind keeps its own size and position.
enum class ResultWindowKind { Result, Clipboard };

inline constexpr QSize kResultWindowMinimum(280, 160);

// The size the window was last given ("reswnd_width"/"reswnd_height" or
// "clipreswnd_width"/"clipreswnd_height"), or its default (640 x 480, or 460 x 320 for the
// clipboard window) where nothing is stored.
QSize StoredResultWindowSize(const Settings& settings, ResultWindowKind kind);
// Stores the window's size in the normal state.
void StoreResultWindowSize(Settings& settings, ResultWindowKind kind, QSize size);

// The size a window opens with on a screen: the stored size, unless it is below 280 x 160
// or leaves less than 20 pixels of the screen's width or 40 of its height; then the
// default size of its kind. Logical pixels: Qt scales them for the screen itself.
QSize ResultWindowSize(QSize stored, ResultWindowKind kind, QSize screen);

// Where a window opens: where the last window of its kind was closed, else 100 to the
// right of and 80 below the main window's corner, or at (200, 200) when that corner lies
// off the screen's top or left. Then it moves left and up until it ends 20 pixels before
// the screen's right edge and 40 before its bottom.
QPoint ResultWindowPosition(std::optional<QPoint> remembered, QPoint mainWindowCorner, QSize size,
                            QSize screen);

}  // namespace vorla

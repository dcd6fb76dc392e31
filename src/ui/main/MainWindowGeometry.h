#pragma once

#include <QRect>
#include <QSize>

#include "config/Settings.h"

namespace vorla {

// The size the main window was last given: "mainwnd_width" (or, when that is 0, "width") and
// "mainwnd_height" (or "height"); 0 where nothing is stored.
QSize StoredMainWindowSize(const Settings& settings);
// Stores the window's size in the normal state.
void StoreMainWindowSize(Settings& settings, QSize size);

// Where the main window opens on a screen of the given size: the stored size when it is at
// least 280 x 200 and leaves 20 pixels of the screen's width and 40 of its height, otherwise
// 60 % of the screen, at most 900 x 550. The window stands at (140, 140) unless it would then
// reach within 20 pixels of the right or 40 of the bottom edge, where it moves up to that
// distance from the edge, but never past the screen's top-left corner. The width is raised
// to the window's own minimum last. Sizes and positions are logical pixels: Qt scales them
// for the screen itself.
QRect MainWindowGeometry(QSize screen, QSize stored, int minimumWidth);

}  // namespace vorla

#pragma once

#include <QFont>

#include "config/Settings.h"

namespace vorla {

// The font of the text panes: "TextEditFontName" (default "Calibri") at "TextEditFontSize"
// points (default 11, also for a size of 0 or less).
QFont ReadPaneFont(const Settings& settings);

}  // namespace vorla

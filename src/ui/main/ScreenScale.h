#pragma once

#include "config/DisplayMetrics.h"

class QScreen;

namespace vorla {

// The display-scale flags of the screen's real scale: Qt's logical pixels per inch times
// the device pixels per logical pixel, which high-DPI scaling takes out of the first.
// Window sizes stay in logical pixels; the flags go to the service (`dspm`) and choose
// the pictures that come in one size per scale level.
DisplayScale ScreenDisplayScale(double logicalDpi, double devicePixelRatio);
DisplayScale ScreenDisplayScale(const QScreen& screen);

}  // namespace vorla

#include "ui/main/ScreenScale.h"

#include <QScreen>
#include <cmath>

namespace vorla {

DisplayScale ScreenDisplayScale(double logicalDpi, double devicePixelRatio) {
  return DisplayScaleForDpi(static_cast<int>(std::lround(logicalDpi * devicePixelRatio)));
}

DisplayScale ScreenDisplayScale(const QScreen& screen) {
  return ScreenDisplayScale(screen.logicalDotsPerInch(), screen.devicePixelRatio());
}

}  // namespace vorla

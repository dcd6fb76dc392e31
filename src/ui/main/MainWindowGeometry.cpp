#include "ui/main/MainWindowGeometry.h"

#include <algorithm>

namespace vorla {

namespace {

constexpr QSize kMinimumStoredSize(280, 200);
constexpr QSize kLargestDefaultSize(900, 550);
constexpr int kDefaultPercent = 60;
constexpr int kDefaultCorner = 140;
// How close to the right and the bottom edge the window may come.
constexpr int kRightMargin = 20;
constexpr int kBottomMargin = 40;

int StoredDimension(const Settings& settings, const char* name, const char* fallbackName) {
  const int stored = settings.ReadInteger(name, 0);
  return stored != 0 ? stored : settings.ReadInteger(fallbackName, 0);
}

bool IsUsable(QSize stored, QSize screen) {
  return stored.width() >= kMinimumStoredSize.width() &&
         stored.height() >= kMinimumStoredSize.height() &&
         stored.width() <= screen.width() - kRightMargin &&
         stored.height() <= screen.height() - kBottomMargin;
}

// The corner's coordinate along one side of the screen. On a screen too small for the
// window it would come out negative; the window then starts at the screen's edge.
int CornerAlong(int screenLength, int windowLength, int margin) {
  if (windowLength + kDefaultCorner + margin <= screenLength) return kDefaultCorner;
  return std::max(0, screenLength - windowLength - margin);
}

}  // namespace

QSize StoredMainWindowSize(const Settings& settings) {
  return {StoredDimension(settings, "mainwnd_width", "width"),
          StoredDimension(settings, "mainwnd_height", "height")};
}

void StoreMainWindowSize(Settings& settings, QSize size) {
  settings.WriteInteger("mainwnd_width", size.width());
  settings.WriteInteger("mainwnd_height", size.height());
}

QRect MainWindowGeometry(QSize screen, QSize stored, int minimumWidth) {
  QSize size = stored;
  if (!IsUsable(stored, screen)) {
    size = QSize(std::min(screen.width() * kDefaultPercent / 100, kLargestDefaultSize.width()),
                 std::min(screen.height() * kDefaultPercent / 100, kLargestDefaultSize.height()));
  }
  const QPoint corner(CornerAlong(screen.width(), size.width(), kRightMargin),
                      CornerAlong(screen.height(), size.height(), kBottomMargin));
  size.setWidth(std::max(size.width(), minimumWidth));
  return QRect(corner, size);
}

}  // namespace vorla

#include "ui/result/ResultWindowGeometry.h"

namespace vorla {

namespace {

constexpr QSize kDefaultResultSize(640, 480);
constexpr QSize kDefaultClipboardSize(460, 320);
constexpr QPoint kOffsetFromMainWindow(100, 80);
constexpr QPoint kFallbackCorner(200, 200);
// How close to the right and the bottom edge the window may come.
constexpr int kRightMargin = 20;
constexpr int kBottomMargin = 40;

struct SizeValues {
  const char* width;
  const char* height;
  QSize defaults;
};

SizeValues ValuesOf(ResultWindowKind kind) {
  if (kind == ResultWindowKind::Clipboard) {
    return {"clipreswnd_width", "clipreswnd_height", kDefaultClipboardSize};
  }
  return {"reswnd_width", "reswnd_height", kDefaultResultSize};
}

}  // namespace

QSize StoredResultWindowSize(const Settings& settings, ResultWindowKind kind) {
  const SizeValues values = ValuesOf(kind);
  return {settings.ReadInteger(values.width, values.defaults.width()),
          settings.ReadInteger(values.height, values.defaults.height())};
}

void StoreResultWindowSize(Settings& settings, ResultWindowKind kind, QSize size) {
  const SizeValues values = ValuesOf(kind);
  settings.WriteInteger(values.width, size.width());
  settings.WriteInteger(values.height, size.height());
}

QSize ResultWindowSize(QSize stored, ResultWindowKind kind, QSize screen) {
  const bool usable = stored.width() >= kResultWindowMinimum.width() &&
                      stored.height() >= kResultWindowMinimum.height() &&
                      stored.width() <= screen.width() - kRightMargin &&
                      stored.height() <= screen.height() - kBottomMargin;
  return usable ? stored : ValuesOf(kind).defaults;
}

QPoint ResultWindowPosition(std::optional<QPoint> remembered, QPoint mainWindowCorner, QSize size,
                            QSize screen) {
  QPoint corner;
  if (remembered && remembered->x() >= 0 && remembered->y() >= 0) {
    corner = *remembered;
  } else if (mainWindowCorner.x() < 0 || mainWindowCorner.y() < 0) {
    corner = kFallbackCorner;
  } else {
    corner = mainWindowCorner + kOffsetFromMainWindow;
  }
  if (corner.x() + size.width() + kRightMargin > screen.width()) {
    corner.setX(screen.width() - size.width() - kRightMargin);
  }
  if (corner.y() + size.height() + kBottomMargin > screen.height()) {
    corner.setY(screen.height() - size.height() - kBottomMargin);
  }
  return corner;
}

}  // namespace vorla

#include <gtest/gtest.h>

#include "ui/documents/ProgressDialogPlacement.h"

namespace vorla {
namespace {

TEST(ProgressDialogPosition, CentredOverTheMainWindowWithinTheScreensMargins) {
  const QSize dialog(400, 150);
  const QRect screen(0, 0, 1920, 1080);
  const struct {
    QRect mainWindow;
    QPoint expected;
  } cases[] = {
      {QRect(400, 300, 800, 600), QPoint(599, 524)},
      // Left edge at least 20, top at least 100.
      {QRect(-500, -400, 600, 400), QPoint(20, 100)},
      // At most the screen less the dialog less 10 across and 40 down.
      {QRect(1800, 1000, 800, 600), QPoint(1510, 890)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ProgressDialogPosition(c.mainWindow, screen, dialog), c.expected) << c.expected.x();
  }
  // A second screen counts from its own corner.
  EXPECT_EQ(ProgressDialogPosition(QRect(1920, 0, 400, 300), QRect(1920, 0, 1920, 1080), dialog),
            QPoint(1940, 100));
}

}  // namespace
}  // namespace vorla

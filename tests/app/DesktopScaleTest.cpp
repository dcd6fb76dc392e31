#include <stdlib.h>

#include "DesktopAppFixture.h"
#include "common/CodePages.h"
#include "ui/result/CResultWnd.h"

namespace vorla {
namespace {

// Set before the Qt application is made, as a high-DPI desktop sets it.
[[maybe_unused]] const bool kTwiceTheScale = setenv("QT_SCALE_FACTOR", "2", 1) == 0;

using test::DesktopAppTest;

TEST_F(DesktopAppTest, AtTwiceTheScaleSizesStayLogicalAndTheServiceHearsTheRealScale) {
  Start();
  ASSERT_EQ(Frame().devicePixelRatio(), 2);
  // Level 0's default, 640 x 480, in logical pixels (not level 3's 820 x 600).
  Frame().SourcePane().SetText("Good morning.", kCodePageWindows1252);
  Frame().Command(kCmdTranslateIntoNewWindow).trigger();
  ASSERT_TRUE(RunUntil([this] {
    const CResultWnd* window = app_->ResultWindows().LastWindow();
    return window && window->Pane().toPlainText() == QString::fromUtf8("Hyvä aamu.");
  }));
  EXPECT_EQ(app_->ResultWindows().LastWindow()->size(), QSize(640, 480));

  // The translation logged in: 96 logical pixels per inch at two device pixels each is step 3.
  std::size_t logins = 0;
  for (const sim::SimRequest& request : sim_.Requests()) {
    const std::string* cmd = request.Field("cmd");
    if (!cmd || *cmd != "chkrauth") continue;
    ++logins;
    ASSERT_TRUE(request.Field("dspm"));
    EXPECT_EQ(*request.Field("dspm"), "3");
  }
  EXPECT_EQ(logins, 1u);
}

}  // namespace
}  // namespace vorla

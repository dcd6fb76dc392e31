#include <QCheckBox>
#include <QPointer>

#include "DesktopAppFixture.h"
#include "UpdateCommands.h"
#include "ui/dialogs/UpdateWindow.h"

namespace vorla::test {
namespace {

using namespace std::chrono_literals;

struct DesktopUpdateTest : DesktopAppTest {
  DesktopUpdateTest() {
    sim::RegisterUpdateCommands(sim_);
    StoredSettings().WriteBoolean("UpdInf1", true);
  }
};

TEST_F(DesktopUpdateTest, TheCheckAtStartShowsItsWindowOnlyForANewerVersion) {
  sim_.context().update.version = {3, 2, 0, 0};
  Start();
  const QPointer<UpdateWindow> window = UpdateWindow::Current();
  ASSERT_TRUE(window);
  EXPECT_FALSE(window->isVisible());
  ASSERT_TRUE(RunUntil([&] { return window && window->isVisible(); }));
  EXPECT_TRUE(window->DontAskAgainBox().isVisible());
  // "Check for updates" finds the window open and opens no other.
  Frame().Command(kCmdCheckForUpdates).trigger();
  EXPECT_EQ(UpdateWindow::Current(), window.data());
  EXPECT_EQ(RequestsOf("getupdinf"), 1u);
}

TEST_F(DesktopUpdateTest, TheCheckAtStartFindingNothingShowsNothing) {
  Start();
  const QPointer<UpdateWindow> window = UpdateWindow::Current();
  ASSERT_TRUE(window);
  ASSERT_TRUE(RunUntil([&] { return window.isNull(); }));
  EXPECT_EQ(RequestsOf("getupdinf"), 1u);
  // The menu command opens a window that shows itself at once.
  Frame().Command(kCmdCheckForUpdates).trigger();
  ASSERT_TRUE(UpdateWindow::Current());
  EXPECT_TRUE(UpdateWindow::Current()->isVisible());
  EXPECT_EQ(UpdateWindow::Current()->parentWidget(), &Frame());
}

TEST_F(DesktopUpdateTest, NoCheckAtStartWhenItIsTurnedOff) {
  StoredSettings().WriteBoolean("UpdInf1", false);
  Start();
  EXPECT_EQ(UpdateWindow::Current(), nullptr);
  RunFor(200ms);
  EXPECT_EQ(RequestsOf("chkrauth"), 0u);
}

}  // namespace
}  // namespace vorla::test

// The main window's speech commands on the offscreen platform.
#include <QTest>
#include <QToolBar>

#include "MainFrameFixture.h"
#include "ui/main/CommandIds.h"
#include "ui/main/MainWindowSpeech.h"

namespace vorla {
namespace {

using test::MainFrameTest;

struct Enabled {
  bool listenToSource, listenToTranslation, stop, toolbarListen, toolbarStop;
  friend bool operator==(const Enabled&, const Enabled&) = default;
};

Enabled States(const CMainFrame& frame) {
  return {frame.Command(kCmdListenToSourceText).isEnabled(),
          frame.Command(kCmdListenToTranslation).isEnabled(),
          frame.Command(kCmdStopSpeech).isEnabled(), frame.Command(kCmdToolbarListen).isVisible(),
          frame.Command(kCmdToolbarStopSpeech).isVisible()};
}

constexpr Enabled kIdle{true, true, false, true, false};
constexpr Enabled kBusy{false, false, true, false, true};

TEST_F(MainFrameTest, SpeechCommandsFollowTheSpeaker) {
  EXPECT_TRUE(States(*frame_) == kIdle);
  const auto toolBar = frame_->findChild<QToolBar*>("commands");
  EXPECT_TRUE(toolBar->actions().contains(&frame_->Command(kCmdToolbarListen)));
  EXPECT_TRUE(toolBar->actions().contains(&frame_->Command(kCmdToolbarStopSpeech)));

  frame_->Speech().ShowBusy(true);
  EXPECT_TRUE(States(*frame_) == kBusy);
  frame_->Speech().ShowBusy(false);
  EXPECT_TRUE(States(*frame_) == kIdle);

  // The source pane speaks with a local voice; without a sound device here it ends soon, and
  // the commands return to idle.
  frame_->SourcePane().setPlainText("Hello");
  Trigger(kCmdListenToSourceText);
  QTRY_VERIFY_WITH_TIMEOUT(!frame_->Speech().Speaker().IsBusy(), 20'000);
  QTRY_VERIFY(States(*frame_) == kIdle);
  ASSERT_FALSE(messages_->shown.empty());
  EXPECT_EQ(messages_->shown[0].text,
            "The language cannot be determined automatically because you haven't translated any "
            "text yet. English is used as a default language.");
}

TEST_F(MainFrameTest, TranslationIsSpokenOnlyOnceTranslated) {
  frame_->TranslationPane().setPlainText("typed here");
  Trigger(kCmdListenToTranslation);
  ASSERT_EQ(messages_->shown.size(), 1u);
  EXPECT_EQ(messages_->shown[0].text, "Please translate text before listening to it.");
  EXPECT_FALSE(frame_->Speech().Speaker().IsBusy());
  EXPECT_TRUE(States(*frame_) == kIdle);
}

TEST_F(MainFrameTest, AutomaticSpeechFollowsItsSetting) {
  const auto hooks = frame_->TranslatorHooks();
  EXPECT_FALSE(hooks.automaticSpeech());
  frame_->Speech().Speaker().SetSettings({.automatic = true});
  EXPECT_TRUE(hooks.automaticSpeech());
  EXPECT_EQ(Stored("AutoSpeech"), "true");
}

}  // namespace
}  // namespace vorla

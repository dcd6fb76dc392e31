#include <QSplitter>
#include <QTabWidget>

#include "MainFrameFixture.h"
#include "ui/main/CommandIds.h"

namespace vorla {
namespace {

using test::MainFrameTest;

TEST_F(MainFrameTest, LayoutIsStoredOnlyWhenItChanges) {
  Trigger(kCmdLayoutSideBySide);
  EXPECT_EQ(Stored("textarealayout"), "-");
  EXPECT_TRUE(frame_->Command(kCmdLayoutSideBySide).isChecked());

  Trigger(kCmdLayoutTabbed);
  EXPECT_EQ(Stored("textarealayout"), "3");
  EXPECT_EQ(frame_->Panes().Layout(), PaneLayout::Tabbed);
  EXPECT_TRUE(frame_->Panes().Tabs().isVisible());
  EXPECT_EQ(frame_->Panes().Tabs().count(), 2);

  store_->DeleteValue("textarealayout");
  Trigger(kCmdLayoutTabbed);
  EXPECT_EQ(Stored("textarealayout"), "-");
  EXPECT_TRUE(frame_->Command(kCmdLayoutTabbed).isChecked());

  Trigger(kCmdLayoutStacked);
  EXPECT_EQ(Stored("textarealayout"), "2");
  EXPECT_EQ(frame_->Panes().Splitter().orientation(), Qt::Vertical);
  EXPECT_TRUE(frame_->Panes().Splitter().isVisible());
  EXPECT_FALSE(frame_->Command(kCmdLayoutTabbed).isChecked());
}

TEST_F(MainFrameTest, EveryLayoutChangeSharesTheSpaceEqually) {
  QSplitter& splitter = frame_->Panes().Splitter();
  splitter.setSizes({100, 600});
  Trigger(kCmdLayoutTabbed);
  Trigger(kCmdLayoutSideBySide);
  ASSERT_EQ(splitter.sizes().size(), 2);
  EXPECT_NEAR(splitter.sizes()[0], splitter.sizes()[1], 1);
  EXPECT_TRUE(frame_->SourcePane().isVisible());
  EXPECT_TRUE(frame_->TranslationPane().isVisible());
}

TEST_F(MainFrameTest, TabbedLayoutShowsTheTabChosenBefore) {
  Trigger(kCmdLayoutTabbed);
  QTabWidget& tabs = frame_->Panes().Tabs();
  EXPECT_EQ(tabs.tabText(0), "Source text");
  EXPECT_EQ(tabs.tabText(1), "Translation");
  tabs.setCurrentIndex(1);
  Trigger(kCmdLayoutStacked);
  Trigger(kCmdLayoutTabbed);
  EXPECT_EQ(tabs.currentIndex(), 1);
  EXPECT_TRUE(frame_->TranslationPane().isVisible());
  EXPECT_FALSE(frame_->SourcePane().isVisible());
}

TEST_F(MainFrameTest, StoredLayoutIsRestoredWithoutBeingWritten) {
  const struct {
    const char* stored;
    PaneLayout expected;
  } cases[] = {
      {"2", PaneLayout::Stacked},       {"3", PaneLayout::Tabbed},
      {"1", PaneLayout::SideBySide},    {"4", PaneLayout::ResultWindow},
      {"5", PaneLayout::SideBySide},    {"0", PaneLayout::SideBySide},
      {"tabs", PaneLayout::SideBySide},
  };
  for (const auto& c : cases) {
    store_->WriteValue("textarealayout", c.stored);
    MakeFrame();
    EXPECT_EQ(frame_->Panes().Layout(), c.expected) << c.stored;
    EXPECT_EQ(Stored("textarealayout"), c.stored);
  }
}

TEST_F(MainFrameTest, TranslationTabComesForwardWithAResult) {
  Trigger(kCmdLayoutTabbed);
  frame_->Panes().Tabs().setCurrentIndex(0);
  frame_->ShowJobFailure("Translation failed - Connection to the server failed");
  EXPECT_EQ(frame_->Panes().Tabs().currentIndex(), 1);
  frame_->Panes().Tabs().setCurrentIndex(0);
  TranslationDelivery delivery;
  delivery.result = "Hyv\xe4\xe4 p\xe4iv\xe4\xe4";
  frame_->ShowTranslation(delivery);
  EXPECT_EQ(frame_->Panes().Tabs().currentIndex(), 1);
  EXPECT_EQ(frame_->TranslationPane().toPlainText(), QString::fromUtf8("Hyvää päivää"));
}

}  // namespace
}  // namespace vorla

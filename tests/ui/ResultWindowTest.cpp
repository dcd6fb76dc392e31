#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTimer>

#include "MnemonicChecks.h"
#include "ResultWindowFixture.h"
#include "ui/Mnemonics.h"
#include "ui/main/CMainFrame.h"
#include "ui/main/CommandIds.h"

namespace vorla {
namespace {

class ResultWindowTest : public test::ResultWindowFixture, public testing::Test {
 protected:
  // "Translate and open result in new window" on the source pane.
  RefPtr<WindowsTranslationInstance> TranslateIntoNewWindow() {
    SetPane("Good morning.");
    TranslationOrder order;
    order.toResultWindow = true;
    return translator_->StartTranslation(order);
  }

  static QStringList MenuTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
      texts << WithoutMnemonic(action->text());
    return texts;
  }
};

TEST_F(ResultWindowTest, ResultWindowHasItsTitleAndFileMenuInBothLanguages) {
  for (const auto& [language, title, file, items] :
       {std::tuple{UiLanguage::English, "Translation Result", "File",
                   QStringList{"Save as...", "Print...", "Close"}},
        std::tuple{UiLanguage::Finnish, "Käännöstulos", "Tiedosto",
                   QStringList{"Tallenna nimellä...", "Tulosta...", "Sulje"}}}) {
    config_->SetUiLanguage(language);
    ASSERT_EQ(Finish(TranslateIntoNewWindow()), 0);
    CResultWnd& window = Window();
    EXPECT_EQ(window.windowTitle(), title);
    EXPECT_EQ(window.Pane().toPlainText(), "Hyvä aamu.");
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(WithoutMnemonic(menus[0]->text()), file);
    EXPECT_EQ(MenuTexts(*menus[0]->menu()), items);
    EXPECT_TRUE(test::HasDistinctMnemonics(*window.menuBar()));
    EXPECT_TRUE(test::HasDistinctMnemonics(*menus[0]->menu()));
    window.close();
  }
  // Not a clipboard translation: nothing goes to the clipboard.
  EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

// The application font for the life of the object.
class ApplicationFont {
 public:
  explicit ApplicationFont(int pointSize) {
    QFont font = previous_;
    font.setPointSize(pointSize);
    QApplication::setFont(font);
  }
  ~ApplicationFont() { QApplication::setFont(previous_); }

 private:
  QFont previous_ = QApplication::font();
};

TEST_F(ResultWindowTest, TabsAreSizedForTheirTextsAtLargeFonts) {
  const ApplicationFont large(16);
  ASSERT_EQ(Finish(TranslateIntoNewWindow()), 0);
  const QTabBar& tabs = Window().Tabs();
  const QFontMetrics metrics(tabs.font());
  ASSERT_EQ(tabs.font().pointSize(), 16);
  for (int i = 0; i < tabs.count(); ++i) {
    const QRect tab = tabs.tabRect(i);
    EXPECT_GT(tab.height(), metrics.height()) << i;
    EXPECT_GT(tab.width(), metrics.horizontalAdvance(tabs.tabText(i))) << i;
  }
}

TEST_F(ResultWindowTest, StoredSizeIsUsedAndEachResizeStored) {
  config_->settings().WriteInteger("reswnd_width", 300);
  config_->settings().WriteInteger("reswnd_height", 200);
  config_->settings().WriteInteger("clipreswnd_width", 250);
  ASSERT_EQ(Finish(TranslateIntoNewWindow()), 0);
  CResultWnd& window = Window();
  EXPECT_EQ(window.size(), QSize(300, 200));
  window.resize(500, 400);
  QCoreApplication::processEvents();
  EXPECT_EQ(config_->settings().ReadInteger("reswnd_width", 0), 500);
  EXPECT_EQ(config_->settings().ReadInteger("reswnd_height", 0), 400);

  // A clipboard window of 250 pixels is too narrow: both defaults of its kind apply.
  QGuiApplication::clipboard()->setText("Good morning.");
  ASSERT_EQ(Finish(translation_->TranslateClipboard(true)), 0);
  EXPECT_EQ(Window().size(), QSize(460, 320));
}

TEST_F(ResultWindowTest, NextWindowOfAKindOpensWhereTheLastClosed) {
  ASSERT_EQ(Finish(TranslateIntoNewWindow()), 0);
  Window().move(123, 45);
  Window().close();
  QGuiApplication::clipboard()->setText("Good morning.");
  ASSERT_EQ(Finish(translation_->TranslateClipboard(true)), 0);
  EXPECT_NE(Window().pos(), QPoint(123, 45)) << "a clipboard window keeps its own place";
  ASSERT_EQ(Finish(TranslateIntoNewWindow()), 0);
  EXPECT_EQ(Window().pos(), QPoint(123, 45));
}

TEST_F(ResultWindowTest, ContextMenuOffersTheEditCommandsAndFind) {
  ASSERT_EQ(Finish(TranslateIntoNewWindow()), 0);
  CResultWnd& window = Window();
  QStringList texts;
  QTimer::singleShot(0, [&] {
    QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* shown = qobject_cast<QMenu*>(widget); shown && shown->isVisible()) menu = shown;
      }
    }
    if (!menu) return;
    texts = MenuTexts(*menu);
    menu->close();
  });
  emit window.Pane().customContextMenuRequested(QPoint(5, 5));
  EXPECT_EQ(texts, (QStringList{"Undo", "", "Cut", "Copy", "Paste", "Delete", "", "Select all", "",
                                "Find..."}));
}

TEST_F(ResultWindowTest, LayoutFourSendsEachResultToANewWindow) {
  CMainFrame frame(config_, translator_, connections_);
  CWindowsTranslator::Hooks hooks = frame.TranslatorHooks();
  hooks.resultWindows = windows_;
  translator_->SetHooks(hooks);
  frame.show();
  frame.Command(kCmdLayoutResultWindow).trigger();
  EXPECT_EQ(config_->settings().ReadInteger("textarealayout", 0), 4);
  EXPECT_FALSE(frame.TranslationPane().isVisible());

  frame.SourcePane().SetText("Good morning.", kCodePageWindows1252);
  std::vector<CResultWnd*> opened;
  const auto translate = [&](int command) {
    frame.Command(command).trigger();
    ASSERT_EQ(Finish(Window().Job()), 0);
    opened.push_back(&Window());
    EXPECT_EQ(Window().windowTitle(), "Translation Result");
    EXPECT_EQ(Window().Pane().toPlainText().trimmed(), "Hyvä aamu.");
  };
  translate(kCmdTranslate);
  translate(kCmdTranslate);
  // In the other layouts only "Translate and open result in new window" opens one.
  frame.Command(kCmdLayoutSideBySide).trigger();
  translate(kCmdTranslateIntoNewWindow);
  ASSERT_EQ(opened.size(), 3u);
  EXPECT_NE(opened[0], opened[1]);
  EXPECT_NE(opened[1], opened[2]);
  EXPECT_TRUE(frame.TranslationPane().toPlainText().isEmpty());
}

}  // namespace
}  // namespace vorla

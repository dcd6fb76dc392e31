#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "ResultWindowFixture.h"

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
      texts << action->text();
    return texts;
  }
};

TEST_F(ResultWindowTest, ResultWindowHasItsTitleAndFileMenuInBothLanguages) {
  for (const auto& [language, title, file, items] :
       {std::tuple{UiLanguage::English, "Translation Result", "File",
                   QStringList{"Print...", "Close"}},
        std::tuple{UiLanguage::Finnish, "Käännöstulos", "Tiedosto",
                   QStringList{"Tulosta...", "Sulje"}}}) {
    config_->SetUiLanguage(language);
    ASSERT_EQ(Finish(TranslateIntoNewWindow()), 0);
    CResultWnd& window = Window();
    EXPECT_EQ(window.windowTitle(), title);
    EXPECT_EQ(window.Pane().toPlainText(), "Hyvä aamu.");
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), file);
    EXPECT_EQ(MenuTexts(*menus[0]->menu()), items);
    window.close();
  }
  // Not a clipboard translation: nothing goes to the clipboard.
  EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
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

}  // namespace
}  // namespace vorla

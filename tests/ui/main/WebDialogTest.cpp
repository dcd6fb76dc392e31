#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "MainFrameFixture.h"
#include "ui/dialogs/WebDialog.h"
#include "ui/main/CommandIds.h"

namespace vorla {
namespace {

using test::MainFrameTest;

// The open web dialog; null when none is.
WebDialog* OpenWebDialog() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* dialog = qobject_cast<WebDialog*>(window); dialog && dialog->isVisible()) {
      return dialog;
    }
  }
  return nullptr;
}

TEST_F(MainFrameTest, TranslateWebPageOpensOneModelessDialogInTheUiLanguage) {
  EXPECT_EQ(frame_->Command(kCmdTranslateWebPage).shortcut(), QKeySequence(Qt::Key_F4));
  for (const auto& [language, title, translate, clear, close] :
       {std::tuple{UiLanguage::English, "Translate Web Page", "Translate", "Clear", "Close"},
        std::tuple{UiLanguage::Finnish, "Käännä nettisivu", "Käännä", "Tyhjennä", "Sulje"}}) {
    frame_->SwitchUiLanguage(language);
    Trigger(kCmdTranslateWebPage);
    QPointer<WebDialog> dialog = OpenWebDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(title));
    EXPECT_EQ(dialog->TranslateButton().text(), QString::fromUtf8(translate));
    EXPECT_EQ(dialog->ClearButton().text(), QString::fromUtf8(clear));
    EXPECT_EQ(dialog->CloseButton().text(), QString::fromUtf8(close));
    EXPECT_TRUE(dialog->TranslateButton().isDefault());
    // Asked again, the same dialog comes forward.
    Trigger(kCmdTranslateWebPage);
    EXPECT_EQ(OpenWebDialog(), dialog);
    QTest::keyClick(dialog, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
  }
}

TEST_F(MainFrameTest, WebDialogShowsARefusedAddressAndStaysReady) {
  Trigger(kCmdTranslateWebPage);
  WebDialog* dialog = OpenWebDialog();
  ASSERT_NE(dialog, nullptr);
  dialog->AddressBox().setEditText("http://127.0.0.1/page.html");
  // Enter in the address box presses the default button.
  QTest::keyClick(dialog->AddressBox().lineEdit(), Qt::Key_Return);
  EXPECT_EQ(dialog->Status().text(),
            "Translation failed - the source document cannot be accessed or the given address is "
            "invalid.");
  EXPECT_TRUE(dialog->TranslateButton().isEnabled());
  EXPECT_EQ(dialog->CloseButton().text(), "Close");
  dialog->ClearButton().click();
  EXPECT_EQ(dialog->Status().text(), "");
  EXPECT_EQ(dialog->AddressBox().currentText(), "");
  dialog->CloseButton().click();
  EXPECT_EQ(OpenWebDialog(), nullptr);
}

}  // namespace
}  // namespace vorla

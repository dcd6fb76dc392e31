#include <gtest/gtest.h>

#include <QImage>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include "ResultWindowFixture.h"
#include "service/LoginResults.h"
#include "translation/ResultCodes.h"
#include "translation/TranslationFlags.h"
#include "ui/clipboard/NoClipboardTextReport.h"

namespace vorla {
namespace {

using namespace std::chrono_literals;

class ClipboardWindowTest : public test::ResultWindowFixture, public testing::Test {};

TEST_F(ClipboardWindowTest, CopiedTextIsTranslatedOnceIntoAClipboardWindow) {
  translation_->ToggleAutoTranslate();
  QGuiApplication::clipboard()->setText("Good morning.");
  CResultWnd& window = Window();
  ASSERT_EQ(Finish(window.Job()), 0);
  EXPECT_EQ(window.Pane().toPlainText(), "Hyvä aamu.");
  EXPECT_EQ(window.windowTitle(), "Clipboard Translation");
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.Tabs().currentIndex(), CResultWnd::kTranslationTab);
  // No result goes back to the clipboard: it would start another translation.
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "Good morning.");

  QGuiApplication::clipboard()->setText("Good morning.");
  EXPECT_EQ(windows_->LastWindow(), &window);
  EXPECT_EQ(Requests("tr").size(), 1u);
}

struct FormattingCase {
  bool removeFormatting;
  int sentFormat;
};

class ClipboardRtfTest : public ClipboardWindowTest,
                         public testing::WithParamInterface<FormattingCase> {};

TEST_P(ClipboardRtfTest, CommandPutsTheResultBackInTheFormatSent) {
  translator_->SetAutoRemoveFormatting(GetParam().removeFormatting);
  CopyRtf("{\\rtf1\\ansi Good {\\b morning}.\\par}", "Good morning.");
  const auto job = translation_->TranslateClipboard(true);
  ASSERT_TRUE(job);
  ASSERT_EQ(Finish(job), 0);
  EXPECT_EQ(Sent().refusal, "");
  EXPECT_EQ(Sent().sourceFormat, GetParam().sentFormat);
  // RTF ends with a paragraph mark.
  EXPECT_EQ(Window().Pane().toPlainText().trimmed(), "Hyvä aamu.");

  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(data);
  if (GetParam().sentFormat == kFormatRtf) {
    const QByteArray rtf = data->data(kRtfMimeType);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("aamu")) << rtf.toStdString();
    // The same translation for the programs that paste no RTF.
    EXPECT_EQ(data->text().trimmed(), QString::fromUtf8("Hyvä aamu."));
    QTextDocument html;
    html.setHtml(data->html());
    EXPECT_EQ(html.toPlainText().trimmed(), QString::fromUtf8("Hyvä aamu."));
  } else {
    EXPECT_FALSE(data->hasFormat(kRtfMimeType));
    EXPECT_EQ(data->text(), "Hyvä aamu.");
  }
}

INSTANTIATE_TEST_SUITE_P(Formatting, ClipboardRtfTest,
                         testing::Values(FormattingCase{false, kFormatRtf},
                                         FormattingCase{true, kFormatTxt}),
                         [](const testing::TestParamInfo<FormattingCase>& param) {
                           return param.param.removeFormatting ? "FormattingRemoved" : "AsRtf";
                         });

TEST_F(ClipboardWindowTest, TabsShowTheSourceAndTheTranslation) {
  QGuiApplication::clipboard()->setText("Good morning.");
  ASSERT_EQ(Finish(translation_->TranslateClipboard(true)), 0);
  CResultWnd& window = Window();
  window.Tabs().setCurrentIndex(CResultWnd::kSourceTab);
  EXPECT_EQ(window.Pane().toPlainText(), "Good morning.");
  window.Tabs().setCurrentIndex(CResultWnd::kTranslationTab);
  EXPECT_EQ(window.Pane().toPlainText(), "Hyvä aamu.");
  EXPECT_TRUE(window.menuBar()->actions().isEmpty()) << "clipboard windows have no menu";
}

TEST_F(ClipboardWindowTest, FurtherPairShowsTheCopiedCyrillicOnBothTabs) {
  UseFurtherLanguageAccount();
  ASSERT_EQ(translator_->State().Login({}), kLoginOk);
  translator_->State().ChoosePair({223, 219, false});
  const QString copied = QString::fromUtf8("Доброе утро.");
  QGuiApplication::clipboard()->setText(copied);
  ASSERT_EQ(Finish(translation_->TranslateClipboard(true)), 0);
  CResultWnd& window = Window();
  EXPECT_TRUE(window.Pane().toPlainText().contains(copied))
      << window.Pane().toPlainText().toStdString();
  window.Tabs().setCurrentIndex(CResultWnd::kSourceTab);
  EXPECT_EQ(window.Pane().toPlainText().trimmed(), copied);
}

TEST_F(ClipboardWindowTest, PackedSourceIsShownAsItWasCopied) {
  std::string text;
  while (text.size() <= 1024)
    text += "Good morning. ";
  text.pop_back();
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
  const auto job = translation_->TranslateClipboard(true);
  ASSERT_EQ(Finish(job), 0);
  EXPECT_TRUE(job->Job().trflags & kTrCompress);
  Window().Tabs().setCurrentIndex(CResultWnd::kSourceTab);
  EXPECT_EQ(Window().Pane().toPlainText().toStdString(), text);
}

TEST_F(ClipboardWindowTest, ClosingDuringTheTranslationEndsItWith10AndShowsNothing) {
  sim::Faults stalled;
  stalled.stallBefore = 60s;
  sim_.SetFaults("tr", stalled);
  QGuiApplication::clipboard()->setText("Good morning.");
  const auto job = translation_->TranslateClipboard(true);
  ASSERT_TRUE(job);
  AwaitRequest("tr");
  // The request is out; the window hears of it through its queue.
  EXPECT_TRUE(
      QTest::qWaitFor([this] { return Window().Pane().toPlainText() == "Translating..."; }, 20000));
  Window().close();
  EXPECT_EQ(Finish(job), kResultInterrupted);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(windows_->LastWindow(), nullptr);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "Good morning.");
  EXPECT_TRUE(messages_->shown.empty());
}

TEST_F(ClipboardWindowTest, PictureAloneIsNoText) {
  QImage picture(2, 2, QImage::Format_RGB32);
  picture.fill(Qt::red);
  QGuiApplication::clipboard()->setImage(picture);
  EXPECT_FALSE(translation_->TranslateClipboard(true));
  ASSERT_EQ(messages_->shown.size(), 1u);
  EXPECT_EQ(messages_->shown[0].text, "No clipboard text available!");
  EXPECT_EQ(messages_->shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(windows_->LastWindow(), nullptr);
}

TEST_F(ClipboardWindowTest, WithTheMainWindowMinimisedTheMessageHasABoxOfItsOwn) {
  QWidget mainWindow;
  ClipboardTranslation command(translator_, clipboard_,
                               NoClipboardTextReport(&mainWindow, config_));
  mainWindow.show();
  EXPECT_FALSE(command.TranslateClipboard(true));
  EXPECT_EQ(messages_->shown.size(), 1u);

  mainWindow.showMinimized();
  QString shown;
  bool owned = true;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->windowTitle() + ": " + box->text();
      owned = box->parentWidget() != nullptr;
      box->accept();
    }
  });
  EXPECT_FALSE(command.TranslateClipboard(true));
  EXPECT_EQ(shown, "Vorla Tool: No clipboard text available!");
  EXPECT_FALSE(owned);
  EXPECT_EQ(messages_->shown.size(), 1u);
}

}  // namespace
}  // namespace vorla

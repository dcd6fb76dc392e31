#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>
#include <variant>

#include "MainFrameFixture.h"
#include "UrlRecorder.h"
#include "common/CodePages.h"
#include "support/TempHome.h"
#include "ui/Mnemonics.h"
#include "ui/main/CommandIds.h"
#include "ui/main/LanguagePairBox.h"

namespace vorla {
namespace {

using test::MainFrameTest;

bool HasFormatting(const RichDocument& document) {
  for (const Paragraph& paragraph : document.paragraphs) {
    for (const InlineItem& item : paragraph.items) {
      const auto* run = std::get_if<TextRun>(&item);
      if (!run || run->format != CharacterFormat{}) return true;
    }
  }
  return false;
}

QStringList MenuTitles(const CMainFrame& frame) {
  QStringList titles;
  for (const QAction* action : frame.menuBar()->actions())
    titles << WithoutMnemonic(action->text());
  return titles;
}

bool ShowsLabel(const CMainFrame& frame, const QString& text) {
  for (const QLabel* label : frame.findChildren<QLabel*>()) {
    if (label->text() == text) return true;
  }
  return false;
}

TEST_F(MainFrameTest, UiLanguageSwitchRenamesEverything) {
  frame_->SwitchUiLanguage(UiLanguage::Finnish);
  EXPECT_EQ(Stored("defuilan"), "1");
  EXPECT_EQ(config_->GetUiLanguage(), UiLanguage::Finnish);
  EXPECT_EQ(MenuTitles(*frame_), (QStringList{"Tiedosto", "Muokkaa", "Toiminnot", "Kieli",
                                              "Asetukset", "Ikkuna", "Ohjeet"}));
  EXPECT_EQ(WithoutMnemonic(frame_->Command(kCmdCancelTranslation).text()),
            QString::fromUtf8("Keskeytä kääntäminen"));
  EXPECT_TRUE(ShowsLabel(*frame_, QString::fromUtf8("Käännettävä teksti")));
  EXPECT_TRUE(ShowsLabel(*frame_, QString::fromUtf8("Käännössuunta:")));
  EXPECT_EQ(frame_->PairBox().FirstList().itemText(0), "Automaattinen");
  EXPECT_EQ(frame_->Status().Text(), QString::fromUtf8("Käyttöliittymän kieli vaihdettu suomeen"));

  frame_->SwitchUiLanguage(UiLanguage::English);
  EXPECT_EQ(Stored("defuilan"), "0");
  EXPECT_EQ(MenuTitles(*frame_),
            (QStringList{"File", "Edit", "Action", "Language", "Settings", "Window", "Help"}));
  EXPECT_EQ(WithoutMnemonic(frame_->Command(kCmdTranslate).text()), "Translate");
  EXPECT_TRUE(ShowsLabel(*frame_, "Translation"));
  EXPECT_EQ(frame_->Status().Text(), "User interface language changed to English");
}

TEST_F(MainFrameTest, PaneContextMenuHoldsTheBuiltCommandsInOrder) {
  const QList<QMenu*> menus = frame_->findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
  ASSERT_EQ(menus.size(), 1);
  QStringList items;
  for (const QAction* action : menus[0]->actions())
    items << (action->isSeparator()
                  ? "-"
                  : WithoutMnemonic(action->text()) + " " + action->shortcut().toString());
  EXPECT_EQ(items,
            (QStringList{"Translate F3", "Translate and open result in new window ", "-",
                         "Translate file... F2", "-", "Listen to translation ", "-",
                         "Show sentence alignment Ctrl+Q",
                         "Synchronized window scrolling ", "-", "Remove all text formatting Ctrl+K",
                         "-", "Copy ", "Paste ", "-", "Find... Ctrl+F"}));
}

TEST_F(MainFrameTest, RemovingFormattingMakesBothPanesPlain) {
  const std::string_view rtf = "{\\rtf1\\ansi {\\b Bold} and {\\i italic} text.}";
  const struct {
    int command;
    std::string autoRemoveStored;
  } cases[] = {{kCmdRemoveFormatting, "-"}, {kCmdRemoveFormattingAutomatically, "true"}};
  for (const auto& c : cases) {
    frame_->SourcePane().StreamInRtf(rtf, kCodePageWindows1252);
    frame_->TranslationPane().StreamInRtf(rtf, kCodePageWindows1252);
    Trigger(c.command);
    for (const TextPane* pane : {&frame_->SourcePane(), &frame_->TranslationPane()}) {
      EXPECT_FALSE(HasFormatting(pane->GetRichDocument(PaneRange::Whole))) << c.command;
      EXPECT_EQ(pane->toPlainText(), "Bold and italic text.");
    }
    EXPECT_EQ(Stored("AutoRemoveFormatting"), c.autoRemoveStored);
  }
  EXPECT_TRUE(translator_->Preferences().autoRemoveFormatting);
  frame_->SourcePane().StreamInRtf(rtf, kCodePageWindows1252);
  Trigger(kCmdRemoveFormattingAutomatically);  // off again: nothing is removed
  EXPECT_EQ(Stored("AutoRemoveFormatting"), "false");
  EXPECT_TRUE(HasFormatting(frame_->SourcePane().GetRichDocument(PaneRange::Whole)));
}

TEST_F(MainFrameTest, SentenceAlignmentOfADeliveredTranslation) {
  frame_->SourcePane().SetText("One. Two.", kCodePageWindows1252);
  TranslationDelivery delivery;
  delivery.result = "Yksi. Kaksi.";
  delivery.alignment = SentenceAlignment({{0, 4, 0, 5}, {5, 9, 6, 12}});
  frame_->ShowTranslation(delivery);
  ASSERT_TRUE(frame_->Alignment().IsAvailable());

  Trigger(kCmdShowSentenceAlignment);
  EXPECT_EQ(Stored("ShowSentAlignmentType"), "1");
  frame_->SourcePane().setFocus();
  frame_->SourcePane().SelectRange(7, 7);
  EXPECT_EQ(frame_->TranslationPane().Selection(), (PaneSpan{6, 12}));
  EXPECT_EQ(frame_->SourcePane().Selection(), (PaneSpan{5, 9}));

  Trigger(kCmdSynchronisedScrolling);
  EXPECT_EQ(Stored("SynchEditWndScrolling"), "true");

  frame_->SourcePane().SetText("Changed.", kCodePageWindows1252);
  EXPECT_TRUE(frame_->Alignment().IsStale());
  Trigger(kCmdShowSentenceAlignment);
  EXPECT_EQ(Stored("ShowSentAlignmentType"), "0");
  EXPECT_TRUE(messages_->shown.empty());
  Trigger(kCmdShowSentenceAlignment);
  ASSERT_EQ(messages_->shown.size(), 1u);
  EXPECT_EQ(messages_->shown[0].text,
            "Sentence alignment cannot be shown because the window content has changed.");
}

TEST_F(MainFrameTest, HelpLinksOpenTheServicesPages) {
  test::UrlRecorder opened("https");
  Trigger(kCmdUserGuide);
  Trigger(kCmdProductSupport);
  Trigger(kCmdSendFeedback);
  QCoreApplication::processEvents();
  const QString service = "https://service.vorla.example/tr?cmd=redir";
  EXPECT_EQ(opened.urls, (QStringList{service + "&page=4&pid=4&uil=0",
                                      service + "&page=9&pid=4&uil=0&uid=1048576&l=1",
                                      service + "&page=11&pid=4&uil=0&uid=1048576&l=1"}));
}

// What poppler's tools read from a PDF file.
QString Poppler(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  EXPECT_TRUE(process.waitForFinished(30000));
  return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(MainFrameTest, PrintCommandsPrintTheirPaneToAPdfFile) {
  frame_->SourcePane().SetText("Good morning.", kCodePageWindows1252);
  frame_->TranslationPane().SetText("Hyv\xe4\xe4 huomenta.", kCodePageWindows1252);
  const struct {
    int command;
    QString text;
    QString title;
  } cases[] = {
      {kCmdPrintTranslation, QString::fromUtf8("Hyvää huomenta."), "Translation (Vorla Tool)"},
      {kCmdPrintSourceText, "Good morning.", "Source text (Vorla Tool)"},
  };
  const test::TempDir folder;
  for (const auto& c : cases) {
    const QString pdf = QString::fromStdString((folder.path() / "printed.pdf").string());
    // The dialog's destination is a PDF file; "Print" is pressed once it is open.
    QTimer::singleShot(0, [&pdf] {
      auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      auto* file = dialog->findChild<QLineEdit*>("filename");
      ASSERT_NE(file, nullptr);
      file->setText(pdf);
      dialog->accept();
    });
    Trigger(c.command);
    EXPECT_EQ(Poppler("pdftotext", {pdf, "-"}).trimmed(), c.text);
    EXPECT_TRUE(Poppler("pdfinfo", {pdf})
                    .contains(QRegularExpression("Title: +" + QRegularExpression::escape(c.title))))
        << c.title.toStdString();
  }
}

TEST_F(MainFrameTest, AlwaysOnTopFollowsItsCheckMark) {
  Trigger(kCmdAlwaysOnTop);
  EXPECT_TRUE(frame_->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(frame_->isVisible());
  Trigger(kCmdAlwaysOnTop);
  EXPECT_FALSE(frame_->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(MainFrameTest, EditCommandsActOnThePaneWithTheFocus) {
  frame_->SourcePane().SetText("Source words", kCodePageWindows1252);
  frame_->TranslationPane().SetText("Translated words", kCodePageWindows1252);
  QApplication::setActiveWindow(frame_.get());
  frame_->TranslationPane().setFocus();
  QCoreApplication::processEvents();
  Trigger(kCmdSelectAll);
  EXPECT_EQ(frame_->TranslationPane().Selection(), (PaneSpan{0, 16}));
  Trigger(kCmdDelete);
  EXPECT_EQ(frame_->TranslationPane().toPlainText(), "");
  frame_->SourcePane().setFocus();
  QCoreApplication::processEvents();
  Trigger(kCmdClear);
  EXPECT_EQ(frame_->SourcePane().toPlainText(), "");
  Trigger(kCmdUndo);
  EXPECT_EQ(frame_->SourcePane().toPlainText(), "Source words");
}

}  // namespace
}  // namespace vorla

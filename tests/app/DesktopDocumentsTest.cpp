#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "DesktopAppFixture.h"
#include "platform/SofficeWordConverter.h"
#include "support/FileBytes.h"
#include "support/TempHome.h"
#include "support/TestCommands.h"
#include "ui/DialogDriver.h"
#include "ui/Mnemonics.h"
#include "ui/documents/ProgressDialog.h"
#include "ui/main/UrlRecorder.h"

namespace vorla::test {
namespace {

class DesktopDocumentsTest : public DesktopAppTest {
 protected:
  static std::filesystem::path WriteFile(const std::string& name, const std::string& bytes) {
    const std::filesystem::path path = CurrentHome() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  // A file dragged onto the widget and dropped there, as the desktop delivers it.
  static void Drop(QWidget& target, const std::filesystem::path& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path.string()))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
  }

  static ProgressDialog* Dialog() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<ProgressDialog*>(window); dialog && dialog->isVisible())
        return dialog;
    }
    return nullptr;
  }
  static QPushButton* Button(QWidget& dialog, const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
      if (WithoutMnemonic(button->text()) == text) return button;
    return nullptr;
  }

  // F2, and the file chosen in the dialog that opens.
  void TranslateFile(const std::filesystem::path& path) {
    OnModal<QFileDialog>([path](QFileDialog& dialog) {
      dialog.selectFile(QString::fromStdString(path.string()));
      static_cast<QDialog&>(dialog).accept();
    });
    QTest::keyClick(&Frame(), Qt::Key_F2);
  }
};

TEST_F(DesktopDocumentsTest, ADroppedTextFileLandsInThePaneItWasDroppedOn) {
  Start();
  const std::filesystem::path notes =
      WriteFile("notes.txt", "Hyv\xC3\xA4\xC3\xA4 p\xC3\xA4iv\xC3\xA4\xC3\xA4");
  Frame().TranslationPane().setPlainText("old translation");
  // Elsewhere on the window: the source pane, and the translation pane is emptied.
  Drop(Frame(), notes);
  EXPECT_EQ(Frame().SourcePane().toPlainText(), QString::fromUtf8("Hyvää päivää"));
  EXPECT_EQ(TranslationText(), "");

  const std::filesystem::path other = WriteFile("other.txt", "Good day");
  Drop(*Frame().TranslationPane().viewport(), other);
  EXPECT_EQ(TranslationText(), "Good day");
  EXPECT_EQ(Frame().SourcePane().toPlainText(), QString::fromUtf8("Hyvää päivää"));
}

TEST_F(DesktopDocumentsTest, ADroppedWordDocumentIsConvertedIntoThePane) {
  SofficeConverter::Options options;
  options.profileFolder = CurrentHome() / "test-profile";
  SofficeWordConverter converter(options);
  if (!converter.IsAvailable()) GTEST_SKIP() << "no converter program";
  const std::optional<std::string> docx =
      converter.ConvertToWord("{\\rtf1\\ansi Hello from a document.\\par}", 13);
  ASSERT_TRUE(docx);
  Start();
  Drop(Frame(), WriteFile("letter.docx", *docx));
  EXPECT_EQ(Frame().SourcePane().toPlainText().trimmed(), "Hello from a document.");
}

TEST_F(DesktopDocumentsTest, TranslateFileShowsTheProgressDialogAndOpensTheResult) {
  sim_.Register("tr", [](const sim::SimRequest&, sim::SimContext&) {
    sim::SimAnswer answer;
    answer.body = TranslationAnswer("PK translated document");
    return answer;
  });
  UrlRecorder opened("file");
  Start();
  Frame().TranslationPane().setPlainText("kept");
  TranslateFile(WriteFile("Report.docx", "PK a small document"));
  ASSERT_TRUE(RunUntil([] { return Dialog() != nullptr; }));
  EXPECT_EQ(Dialog()->windowTitle(), QString::fromUtf8("Käännä tiedosto"));
  ASSERT_TRUE(RunUntil(
      [] { return Button(*Dialog(), QString::fromUtf8("Tallenna käännös..."))->isEnabled(); }));
  ASSERT_TRUE(RunUntil([&] { return !opened.urls.isEmpty(); }));
  const std::filesystem::path result(QUrl(opened.urls[0]).toLocalFile().toStdString());
  EXPECT_TRUE(result.filename().string().starts_with("Report k\xC3\xA4\xC3\xA4nn\xC3\xB6s"))
      << result;
  EXPECT_EQ(result.extension(), ".docx");
  EXPECT_EQ(ReadFileBytes(result), "PK translated document");
  // The file job leaves the main window's pane alone.
  EXPECT_EQ(TranslationText(), "kept");
  Button(*Dialog(), "Sulje")->click();
  EXPECT_TRUE(RunUntil([] { return Dialog() == nullptr; }));
}

TEST_F(DesktopDocumentsTest, CancelInTheProgressDialogStopsTheFileJob) {
  StallNext("tr", std::chrono::seconds(3));
  UrlRecorder opened("file");
  Start();
  TranslateFile(WriteFile("notes.txt", "Good day"));
  ASSERT_TRUE(RunUntil([this] { return RequestsOf("tr") == 1 && Dialog(); }));
  Button(*Dialog(), QString::fromUtf8("Keskeytä"))->click();
  EXPECT_TRUE(RunUntil([] { return Dialog() == nullptr; }));
  RunFor(std::chrono::milliseconds(3500));
  EXPECT_TRUE(opened.urls.isEmpty()) << "a cancelled job opens nothing";
}

}  // namespace
}  // namespace vorla::test

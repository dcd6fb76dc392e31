#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include "common/CodePages.h"
#include "support/TempHome.h"
#include "ui/UiText.h"
#include "ui/panes/PanePrinting.h"

namespace vorla {
namespace {

// What poppler's tools read back from a PDF file.
QString Poppler(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
  EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

struct Word {
  QString text;
  QRectF box;  // in points
};

std::vector<Word> WordsOf(const QString& pdf) {
  static const QRegularExpression word(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  std::vector<Word> words;
  auto matches = word.globalMatch(Poppler("pdftotext", {"-bbox", pdf, "-"}));
  while (matches.hasNext()) {
    const QRegularExpressionMatch m = matches.next();
    words.push_back(
        {m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                               QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
  }
  return words;
}

class PanePrintingTest : public testing::Test {
 protected:
  PanePrintingTest() : printer_(QPrinter::HighResolution) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(pdf_);
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageMargins(QMarginsF(0, 0, 0, 0));
    pane_.SetPaneFont(QFont("DejaVu Sans", 11));
  }

  test::TempDir folder_;
  QString pdf_ = QString::fromStdString((folder_.path() / "pane.pdf").string());
  QPrinter printer_;
  TextPane pane_;
};

TEST_F(PanePrintingTest, WholeTextOverSeveralPages) {
  std::string text;
  for (int i = 0; i < 120; ++i)
    text += "Rivi " + std::to_string(i) + " p\xe4\xe4ttyy.\r\n";
  pane_.SetText(text, kCodePageWindows1252);
  PreparePrinter(printer_, UiText(kPrintTranslationTitle, UiLanguage::Finnish));
  ASSERT_TRUE(PrintPane(pane_, printer_, PaneRange::Whole));

  const QString printed = Poppler("pdftotext", {pdf_, "-"});
  EXPECT_GE(printed.count(u'\f'), 2);  // a form feed ends each page
  qsizetype at = 0;
  for (int i = 0; i < 120; ++i) {
    const QString line = QString("Rivi %1 päättyy.").arg(i);
    const qsizetype found = printed.indexOf(line, at);
    ASSERT_GE(found, at) << line.toStdString();
    EXPECT_EQ(printed.count(line), 1) << line.toStdString();  // none also clipped on a page
    at = found + line.size();
  }
  EXPECT_TRUE(
      Poppler("pdfinfo", {pdf_}).contains(QRegularExpression("Title: +Käännös \\(Vorla Tool\\)")));
}

TEST_F(PanePrintingTest, TextStandsWithinTheMarginsOfWholeInches) {
  // A4 without device margins is 8.27 by 11.69 inches: whole inches 8 by 11, so the text
  // lies between 50 and 526 points across and 50 and 742 points down.
  std::string text;
  for (int i = 0; i < 40; ++i)
    text += "sana" + std::to_string(i) + " ";
  for (int i = 0; i < 80; ++i)
    text += "\r\nrivi";
  pane_.SetText(text, kCodePageWindows1252);
  PreparePrinter(printer_, {});
  ASSERT_TRUE(PrintPane(pane_, printer_, PaneRange::Whole));

  const std::vector<Word> words = WordsOf(pdf_);
  ASSERT_FALSE(words.empty());
  EXPECT_EQ(words.front().text, "sana0");
  EXPECT_NEAR(words.front().box.left(), 50.0, 2.0);
  EXPECT_NEAR(words.front().box.top(), 50.0, 4.0);
  double right = 0;
  double bottom = 0;
  for (const Word& word : words) {
    right = std::max(right, word.box.right());
    bottom = std::max(bottom, word.box.bottom());
  }
  EXPECT_LE(right, 526.5);
  EXPECT_GT(right, 400.0);  // the long paragraph wraps near the right margin
  EXPECT_LE(bottom, 742.5);
  EXPECT_GT(bottom, 700.0);
  EXPECT_TRUE(Poppler("pdfinfo", {pdf_}).contains(QRegularExpression("Title: +\\(Untitled\\)")));
}

TEST_F(PanePrintingTest, SelectionOnly) {
  pane_.SetText("Ensimmäinen rivi.\r\nToinen rivi.\r\nKolmas rivi.", kCodePageUtf8);
  pane_.SelectRange(18, 31);
  ASSERT_TRUE(PrintPane(pane_, printer_, PaneRange::Selection));
  EXPECT_EQ(Poppler("pdftotext", {pdf_, "-"}).trimmed(), "Toinen rivi.");
}

}  // namespace
}  // namespace vorla

#include "ui/panes/PanePrinting.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

#include "ui/panes/RichTextImport.h"

namespace vorla {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kMarginTwips = 1000.0;
constexpr int kLastPage = 1000;

// The area the text is printed in, in device pixels from the printable area's corner: the
// printable area in whole inches, less the margins.
QRectF TextRect(const QPrinter& printer) {
  const int dpiX = printer.logicalDpiX();
  const int dpiY = printer.logicalDpiY();
  const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
  const int wholeInchesWide = printable.width() / dpiX;
  const int wholeInchesHigh = printable.height() / dpiY;
  const double marginX = kMarginTwips * dpiX / kTwipsPerInch;
  const double marginY = kMarginTwips * dpiY / kTwipsPerInch;
  return QRectF(marginX, marginY, wholeInchesWide * dpiX - 2 * marginX,
                wholeInchesHigh * dpiY - 2 * marginY);
}

// The pane's text laid out for the printer: indents and tab stops in the printer's pixels.
void LayOutForPrinter(QTextDocument& document, const TextPane& pane, PaneRange range,
                      QPrinter& printer, const QSizeF& pageSize) {
  const double unitsPerTwip = printer.logicalDpiX() / kTwipsPerInch;
  document.documentLayout()->setPaintDevice(&printer);
  document.setDefaultFont(pane.font());
  QTextOption option = document.defaultTextOption();
  option.setTabStopDistance(pane.tabStopDistance() * unitsPerTwip / kScreenUnitsPerTwip);
  document.setDefaultTextOption(option);
  QTextFrameFormat frame = document.rootFrame()->frameFormat();
  frame.setMargin(0);
  document.rootFrame()->setFrameFormat(frame);
  QTextCursor cursor(&document);
  InsertRichDocument(cursor, pane.GetRichDocument(range), unitsPerTwip);
  document.setPageSize(pageSize);
}

}  // namespace

void PreparePrinter(QPrinter& printer, const QString& title) {
  printer.setDocName(title.isEmpty() ? QStringLiteral("(Untitled)") : title);
  printer.setCopyCount(1);
  printer.setCollateCopies(true);
}

bool PrintPane(const TextPane& pane, QPrinter& printer, PaneRange range) {
  const QRectF textRect = TextRect(printer);
  QTextDocument document;
  LayOutForPrinter(document, pane, range, printer, textRect.size());
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  for (int page = 0; page < document.pageCount(); ++page) {
    if (page > 0 && !printer.newPage()) return false;
    const QRectF pageArea(0, page * textRect.height(), textRect.width(), textRect.height());
    painter.save();
    painter.translate(textRect.topLeft() - pageArea.topLeft());
    painter.setClipRect(pageArea);
    QAbstractTextDocumentLayout::PaintContext context;
    // A line that does not fit is laid out exactly where the next page begins; without the
    // last pixel the layout leaves it to that page instead of drawing it clipped here too.
    context.clip = pageArea.adjusted(0, 0, 0, -1);
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
  }
  return painter.end();
}

bool PrintPaneWithDialog(const TextPane& pane, const QString& title, QWidget* owner) {
  QPrinter printer(QPrinter::HighResolution);
  PreparePrinter(printer, title);
  QPrintDialog dialog(&printer, owner);
  dialog.setMinMax(1, kLastPage);
  QAbstractPrintDialog::PrintDialogOptions options =
      QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies;
  if (pane.textCursor().hasSelection()) options |= QAbstractPrintDialog::PrintSelection;
  dialog.setOptions(options);
  if (dialog.exec() != QDialog::Accepted) return false;
  const bool selection = dialog.printRange() == QAbstractPrintDialog::Selection;
  return PrintPane(pane, printer, selection ? PaneRange::Selection : PaneRange::Whole);
}

}  // namespace vorla

#include "ui/panes/VisualLines.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>
#include <optional>

namespace vorla {

namespace {

struct LinePlace {
  QTextBlock block;
  int lineInBlock = 0;
  int line = 0;  // over the whole document
};

int LinesOf(const QTextBlock& block) {
  return std::max(1, block.layout()->lineCount());
}

// Walks the laid-out blocks until `stop(block, firstLineOfBlock)` names a line in that block;
// past the end, the document's last line.
template <typename Stop>
LinePlace FindLine(const QTextDocument& document, Stop stop) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  LinePlace place;
  int line = 0;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QRectF rect = layout->blockBoundingRect(block);  // lays the block out
    if (const auto inBlock = stop(block, rect, line)) return {block, *inBlock, line + *inBlock};
    place = {block, LinesOf(block) - 1, line + LinesOf(block) - 1};
    line += LinesOf(block);
  }
  return place;
}

LinePlace PlaceOfLine(const QTextDocument& document, int line) {
  return FindLine(document,
                  [&](const QTextBlock& block, const QRectF&, int first) -> std::optional<int> {
                    if (line >= first + LinesOf(block)) return std::nullopt;
                    return std::max(0, line - first);
                  });
}

}  // namespace

int LineOfPosition(const QTextDocument& document, int position) {
  const QTextBlock target = document.findBlock(position);
  return FindLine(document,
                  [&](const QTextBlock& block, const QRectF&, int) -> std::optional<int> {
                    if (block != target) return std::nullopt;
                    const QTextLine line =
                        block.layout()->lineForTextPosition(position - block.position());
                    return line.isValid() ? line.lineNumber() : 0;
                  })
      .line;
}

int LineAtY(const QTextDocument& document, qreal y) {
  return FindLine(document,
                  [&](const QTextBlock& block, const QRectF& rect, int) -> std::optional<int> {
                    if (y >= rect.bottom()) return std::nullopt;
                    const QTextLayout* layout = block.layout();
                    for (int i = 0; i < layout->lineCount(); ++i) {
                      const QTextLine line = layout->lineAt(i);
                      if (rect.top() + line.y() + line.height() > y) return i;
                    }
                    return LinesOf(block) - 1;
                  })
      .line;
}

qreal LineTop(const QTextDocument& document, int line) {
  const LinePlace place = PlaceOfLine(document, line);
  const QRectF rect = document.documentLayout()->blockBoundingRect(place.block);
  const QTextLine textLine = place.block.layout()->lineAt(place.lineInBlock);
  return rect.top() + (textLine.isValid() ? textLine.y() : 0);
}

int LineStart(const QTextDocument& document, int line) {
  const LinePlace place = PlaceOfLine(document, line);
  const QTextLine textLine = place.block.layout()->lineAt(place.lineInBlock);
  return place.block.position() + (textLine.isValid() ? textLine.textStart() : 0);
}

}  // namespace vorla

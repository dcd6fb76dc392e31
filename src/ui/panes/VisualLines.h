#pragma once

#include <QTextDocument>

namespace vorla {

// Lines as a pane shows them, numbered from 0 over the whole document: a paragraph wrapped
// into three lines counts three. Positions are Qt positions; y is in document coordinates.

int LineOfPosition(const QTextDocument& document, int position);
// The line shown at y: the first whose bottom lies below it, else the last line.
int LineAtY(const QTextDocument& document, qreal y);
// The top of a line (clamped to the document's lines).
qreal LineTop(const QTextDocument& document, int line);
// The position of a line's first character (clamped to the document's lines).
int LineStart(const QTextDocument& document, int line);

}  // namespace vorla

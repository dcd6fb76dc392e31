#pragma once

#include <QTextBlockFormat>
#include <QTextCharFormat>

#include "documents/rtf/RichDocument.h"

namespace vorla {

// Document units per twip on the screen: the panes lay out in pixels of 1/96 inch.
inline constexpr double kScreenUnitsPerTwip = 96.0 / 1440.0;

// The formats of the rich-text model as Qt's and back. Only what the model holds is set,
// so a run without a font or size takes the pane's default font.
QTextCharFormat ToQtFormat(const CharacterFormat& format);
CharacterFormat FromQtFormat(const QTextCharFormat& format);

// Indents and spacing are in twips in the model and in document units in Qt.
QTextBlockFormat ToQtFormat(const ParagraphFormat& format, double unitsPerTwip);
ParagraphFormat FromQtFormat(const QTextBlockFormat& format);

}  // namespace vorla

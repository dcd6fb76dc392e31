#include "ui/panes/RichTextFormats.h"

#include <QColor>
#include <QFont>
#include <cmath>

namespace vorla {

namespace {

int Twips(qreal units) {
  return static_cast<int>(std::lround(units / kScreenUnitsPerTwip));
}

}  // namespace

QTextCharFormat ToQtFormat(const CharacterFormat& format) {
  QTextCharFormat out;
  if (!format.fontFamily.empty()) {
    out.setFontFamilies(QStringList{QString::fromStdString(format.fontFamily)});
  }
  if (format.fontSizeHalfPoints > 0) out.setFontPointSize(format.fontSizeHalfPoints / 2.0);
  if (format.bold) out.setFontWeight(QFont::Bold);
  if (format.italic) out.setFontItalic(true);
  if (format.underline) out.setFontUnderline(true);
  if (format.strikeOut) out.setFontStrikeOut(true);
  if (format.color) {
    out.setForeground(QColor(format.color->red, format.color->green, format.color->blue));
  }
  if (format.verticalPosition == VerticalPosition::Superscript) {
    out.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
  } else if (format.verticalPosition == VerticalPosition::Subscript) {
    out.setVerticalAlignment(QTextCharFormat::AlignSubScript);
  }
  if (!format.linkTarget.empty()) {
    out.setAnchor(true);
    out.setAnchorHref(QString::fromStdString(format.linkTarget));
  }
  return out;
}

CharacterFormat FromQtFormat(const QTextCharFormat& format) {
  CharacterFormat out;
  const QStringList families = format.fontFamilies().toStringList();
  if (!families.isEmpty()) out.fontFamily = families.front().toStdString();
  if (format.hasProperty(QTextFormat::FontPointSize)) {
    out.fontSizeHalfPoints = static_cast<int>(std::lround(format.fontPointSize() * 2));
  }
  out.bold = format.fontWeight() >= QFont::DemiBold;
  out.italic = format.fontItalic();
  out.underline = format.fontUnderline();
  out.strikeOut = format.fontStrikeOut();
  if (format.hasProperty(QTextFormat::ForegroundBrush) &&
      format.foreground().style() != Qt::NoBrush) {
    const QColor color = format.foreground().color();
    out.color =
        RgbColor{static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                 static_cast<std::uint8_t>(color.blue())};
  }
  if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript) {
    out.verticalPosition = VerticalPosition::Superscript;
  } else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript) {
    out.verticalPosition = VerticalPosition::Subscript;
  }
  if (format.isAnchor()) out.linkTarget = format.anchorHref().toStdString();
  return out;
}

QTextBlockFormat ToQtFormat(const ParagraphFormat& format, double unitsPerTwip) {
  QTextBlockFormat out;
  switch (format.alignment) {
    case ParagraphAlignment::Left:
      break;
    case ParagraphAlignment::Right:
      out.setAlignment(Qt::AlignRight);
      break;
    case ParagraphAlignment::Center:
      out.setAlignment(Qt::AlignHCenter);
      break;
    case ParagraphAlignment::Justify:
      out.setAlignment(Qt::AlignJustify);
      break;
  }
  if (format.leftIndent != 0) out.setLeftMargin(format.leftIndent * unitsPerTwip);
  if (format.rightIndent != 0) out.setRightMargin(format.rightIndent * unitsPerTwip);
  if (format.firstLineIndent != 0) out.setTextIndent(format.firstLineIndent * unitsPerTwip);
  if (format.spaceBefore != 0) out.setTopMargin(format.spaceBefore * unitsPerTwip);
  if (format.spaceAfter != 0) out.setBottomMargin(format.spaceAfter * unitsPerTwip);
  return out;
}

ParagraphFormat FromQtFormat(const QTextBlockFormat& format) {
  ParagraphFormat out;
  const Qt::Alignment horizontal = format.alignment() & Qt::AlignHorizontal_Mask;
  if (horizontal & (Qt::AlignRight | Qt::AlignTrailing)) {
    out.alignment = ParagraphAlignment::Right;
  } else if (horizontal & Qt::AlignHCenter) {
    out.alignment = ParagraphAlignment::Center;
  } else if (horizontal & Qt::AlignJustify) {
    out.alignment = ParagraphAlignment::Justify;
  }
  out.leftIndent = Twips(format.leftMargin());
  out.rightIndent = Twips(format.rightMargin());
  out.firstLineIndent = Twips(format.textIndent());
  out.spaceBefore = Twips(format.topMargin());
  out.spaceAfter = Twips(format.bottomMargin());
  return out;
}

}  // namespace vorla

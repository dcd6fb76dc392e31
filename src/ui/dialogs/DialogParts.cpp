#include "ui/dialogs/DialogParts.h"

#include <QLabel>
#include <QPalette>

namespace vorla {

QLabel* HeadingLabel(const QString& text) {
  QLabel* label = WrappingLabel(text);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

QLabel* WrappingLabel(const QString& text) {
  auto* label = new QLabel(text);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

QLabel* LinkLabel(const std::vector<TextPiece>& pieces, std::function<void(const QString&)> open) {
  QString html;
  for (const TextPiece& piece : pieces) {
    QString text = piece.text.toHtmlEscaped();
    text.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    html += piece.target.isEmpty()
                ? text
                : QStringLiteral("<a href=\"%1\">%2</a>").arg(piece.target.toHtmlEscaped(), text);
  }
  auto* label = new QLabel(html);
  label->setTextFormat(Qt::RichText);
  label->setWordWrap(true);
  label->setOpenExternalLinks(false);
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  QObject::connect(label, &QLabel::linkActivated, label, std::move(open));
  return label;
}

void PaintWhite(QWidget& dialog) {
  QPalette palette = dialog.palette();
  palette.setColor(QPalette::Window, Qt::white);
  dialog.setPalette(palette);
  dialog.setAutoFillBackground(true);
}

}  // namespace vorla

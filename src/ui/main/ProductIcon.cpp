#include "ui/main/ProductIcon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace vorla {

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128};
const QColor kTile(0x1f, 0x5f, 0xa8);

QPixmap Tile(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kTile);
  const qreal radius = size / 5.0;
  painter.drawRoundedRect(QRectF(0, 0, size, size), radius, radius);
  QFont font;
  font.setBold(true);
  font.setPixelSize(size * 3 / 4);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("V"));
  return pixmap;
}

}  // namespace

QIcon ProductIcon() {
  QIcon icon;
  for (const int size : kSizes)
    icon.addPixmap(Tile(size));
  return icon;
}

}  // namespace vorla

#include "ui/dialogs/DialogPlacement.h"

#include <QWidget>
#include <algorithm>

namespace vorla {

namespace {

constexpr int kLoginTop = 50;
constexpr int kLoginLeftCentred = 50;
constexpr int kLoginLeftBeside = 80;
constexpr QPoint kLoginBelowMainWindow{0, 100};
constexpr QPoint kLoginBesideParent{80, 50};
constexpr QPoint kLoginWithoutParent{100, 100};

}  // namespace

QPoint CentredOver(const QRect& owner, const QSize& window) {
  const QPoint corner = owner.topLeft() + QPoint((owner.width() - window.width()) / 2,
                                                 (owner.height() - window.height()) / 2);
  return {std::max(corner.x(), 0), std::max(corner.y(), 0)};
}

std::optional<QRect> WindowFrame(const QWidget* widget) {
  if (!widget) return std::nullopt;
  return widget->window()->frameGeometry();
}

void PlaceCentredOver(QWidget& window, const QWidget* owner) {
  if (const auto frame = WindowFrame(owner)) window.move(CentredOver(*frame, window.size()));
}

QPoint OffsetFrom(const std::optional<QRect>& owner, QPoint offset, QPoint fallback) {
  return owner ? owner->topLeft() + offset : fallback;
}

QPoint LoginDialogPosition(const std::optional<QRect>& parent, bool parentIsMainWindow,
                           int dialogWidth) {
  if (!parent) return kLoginWithoutParent;
  if (parentIsMainWindow) {
    const int left = parent->x() + (parent->width() - dialogWidth) / 2;
    return {std::max(left, kLoginLeftCentred),
            std::max(parent->y() + kLoginBelowMainWindow.y(), kLoginTop)};
  }
  const QPoint corner = parent->topLeft() + kLoginBesideParent;
  return {std::max(corner.x(), kLoginLeftBeside), std::max(corner.y(), kLoginTop)};
}

void ShowInFront(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace vorla

#include "ui/documents/DocumentDrops.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "ui/panes/TextPane.h"

namespace vorla {

std::optional<QString> DroppedFile(const QMimeData& data) {
  for (const QUrl& url : data.urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return std::nullopt;
}

DocumentDrops::DocumentDrops(QObject* parent, TextPane& source, TextPane& translation,
                             std::function<void(const QString& path, TextPane& pane)> load)
    : QObject(parent), source_(source), translation_(translation), load_(std::move(load)) {}

void DocumentDrops::Watch(QWidget& window) {
  window.setAcceptDrops(true);
  window.installEventFilter(this);
  source_.viewport()->installEventFilter(this);
  translation_.viewport()->installEventFilter(this);
}

bool DocumentDrops::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  const std::optional<QString> file = DroppedFile(*drop->mimeData());
  if (!file) return false;
  drop->acceptProposedAction();
  if (type == QEvent::Drop)
    load_(*file, watched == translation_.viewport() ? translation_ : source_);
  return true;
}

}  // namespace vorla

#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QMimeData;

namespace vorla {

class TextPane;

// The first local file of a drop; nothing when it carries none.
std::optional<QString> DroppedFile(const QMimeData& data);

// Takes files dropped on the main window: on a pane they go into that pane, elsewhere into
// the source pane. Installed on the window and on the panes' viewports, so that a file is
// never pasted into a pane as its address.
class DocumentDrops final : public QObject {
 public:
  DocumentDrops(QObject* parent, TextPane& source, TextPane& translation,
                std::function<void(const QString& path, TextPane& pane)> load);

  // Where drops are taken: the window and both panes.
  void Watch(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TextPane& source_;
  TextPane& translation_;
  std::function<void(const QString&, TextPane&)> load_;
};

}  // namespace vorla

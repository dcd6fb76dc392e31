#pragma once

#include <QAbstractScrollArea>
#include <QScrollBar>

namespace vorla {

// Puts a pane back where it was scrolled to once a change that would move it is done.
class ScrollPositionKeeper {
 public:
  explicit ScrollPositionKeeper(QAbstractScrollArea& area)
      : area_(area),
        horizontal_(area.horizontalScrollBar()->value()),
        vertical_(area.verticalScrollBar()->value()) {}
  ~ScrollPositionKeeper() {
    area_.horizontalScrollBar()->setValue(horizontal_);
    area_.verticalScrollBar()->setValue(vertical_);
  }
  ScrollPositionKeeper(const ScrollPositionKeeper&) = delete;
  ScrollPositionKeeper& operator=(const ScrollPositionKeeper&) = delete;

 private:
  QAbstractScrollArea& area_;
  int horizontal_;
  int vertical_;
};

}  // namespace vorla

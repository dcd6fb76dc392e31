#include "ui/panes/PanePositions.h"

#include <QTextBlock>
#include <algorithm>

namespace vorla {

void PanePositions::Update() const {
  if (valid_) return;
  qtPositions_.clear();
  panePositions_.clear();
  for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
      if (text[i].isHighSurrogate() && text[i + 1].isLowSurrogate()) {
        const int qtPosition = block.position() + static_cast<int>(i);
        panePositions_.push_back(qtPosition - static_cast<int>(qtPositions_.size()));
        qtPositions_.push_back(qtPosition);
        ++i;
      }
    }
  }
  valid_ = true;
}

int PanePositions::ToPane(int qtPosition) const {
  Update();
  // Every pair that ends before the position counts one less.
  const auto pairsBefore = std::ranges::lower_bound(qtPositions_, qtPosition - 1);
  return qtPosition - static_cast<int>(pairsBefore - qtPositions_.begin());
}

int PanePositions::ToQt(int panePosition) const {
  Update();
  const auto pairsBefore = std::ranges::lower_bound(panePositions_, panePosition);
  return panePosition + static_cast<int>(pairsBefore - panePositions_.begin());
}

int PanePositions::Length() const {
  return ToPane(document_.characterCount() - 1);
}

}  // namespace vorla

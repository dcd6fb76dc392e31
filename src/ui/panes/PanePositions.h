#pragma once

#include <QTextDocument>
#include <vector>

namespace vorla {

// Character positions of a pane: one for every character of its pane text (one for each
// paragraph break, tab, line break and object), as the service counts the sentence
// alignment, so that in the Windows-1252 form a byte offset is a character offset. Qt
// counts UTF-16 units and so two for a character outside the BMP; this maps between the two.
class PanePositions {
 public:
  explicit PanePositions(const QTextDocument& document) : document_(document) {}

  // To be called on every change of the document's text.
  void Invalidate() { valid_ = false; }

  // A Qt position inside a surrogate pair maps to the position after the character.
  int ToPane(int qtPosition) const;
  int ToQt(int panePosition) const;
  // The pane text's length (the last paragraph has no break).
  int Length() const;

 private:
  void Update() const;

  const QTextDocument& document_;
  mutable bool valid_ = false;
  // The Qt and the pane positions of the characters outside the BMP, in order.
  mutable std::vector<int> qtPositions_;
  mutable std::vector<int> panePositions_;
};

}  // namespace vorla

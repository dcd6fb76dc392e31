#include "ui/main/TranslatorSourcePane.h"

#include "ui/panes/PaneSource.h"

namespace vorla {

bool TranslatorSourcePane::IsEmpty() {
  return !pane_ || pane_->CharacterCount() == 0;
}

bool TranslatorSourcePane::HasSelection() {
  return pane_ && !beingRead_() && SelectionIsSource(*pane_);
}

RichDocument TranslatorSourcePane::Content(bool selectionOnly) {
  if (!pane_) return {};
  return pane_->GetRichDocument(selectionOnly ? PaneRange::Selection : PaneRange::Whole);
}

void TranslatorSourcePane::RemoveObjects() {
  if (pane_) vorla::RemoveObjects(*pane_);
}

void TranslatorSourcePane::RemoveLinkFormatting() {
  if (pane_) RemoveLinks(*pane_);
}

}  // namespace vorla

#pragma once

#include <QPointer>

#include "translation/SourcePane.h"
#include "ui/panes/TextPane.h"

namespace vorla {

// The main window's source pane as the Translate command reads it. Called on the window
// thread only; once the pane is gone it reads as empty.
class TranslatorSourcePane final : public SourcePane {
 public:
  explicit TranslatorSourcePane(TextPane& pane) : pane_(&pane) {}

  bool IsEmpty() override;
  bool HasSelection() override;
  RichDocument Content(bool selectionOnly) override;
  void RemoveObjects() override;
  void RemoveLinkFormatting() override;

 private:
  QPointer<TextPane> pane_;
};

}  // namespace vorla

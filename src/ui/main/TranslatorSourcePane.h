#pragma once

#include <QPointer>
#include <functional>

#include "translation/SourcePane.h"
#include "ui/panes/TextPane.h"

namespace vorla {

// The main window's source pane as the Translate command reads it. Called on the window
// thread only; once the pane is gone it reads as empty. While speech reads the pane its
// selection is the word being spoken, not a source.
class TranslatorSourcePane final : public SourcePane {
 public:
  TranslatorSourcePane(TextPane& pane, std::function<bool()> beingRead)
      : pane_(&pane), beingRead_(std::move(beingRead)) {}

  bool IsEmpty() override;
  bool HasSelection() override;
  RichDocument Content(bool selectionOnly) override;
  void RemoveObjects() override;
  void RemoveLinkFormatting() override;

 private:
  QPointer<TextPane> pane_;
  std::function<bool()> beingRead_;
};

}  // namespace vorla

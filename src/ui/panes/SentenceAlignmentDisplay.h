#pragma once

#include <QObject>

#include "common/Bilingual.h"
#include "common/RefPtr.h"
#include "config/Config.h"
#include "translation/AlignmentLookup.h"
#include "translation/SentenceAlignment.h"
#include "ui/panes/TextPane.h"

namespace vorla {

inline constexpr BilingualText kAlignmentChangedMessage = {
    "Sentence alignment cannot be shown because the window content has changed.",
    "Virkekohdistusta ei voida näyttää, koska ikkunoiden sisältö on muuttunut."};

// Shows the sentence alignment of the last main-window translation on the source and the
// translation pane: the aligned pair selected in both, the other pane scrolled so that its
// sentence stands on the same line offset, and, when asked, the other pane scrolled along.
// Any change of either pane's text makes the alignment unavailable and stale.
class SentenceAlignmentDisplay : public QObject {
  Q_OBJECT

 public:
  SentenceAlignmentDisplay(TextPane& source, TextPane& target, RefPtr<Config> config,
                           QObject* parent = nullptr);

  // After a main-window translation has been delivered: its table (an empty one when the
  // answer had none). Available with two records or more; no longer stale.
  void SetAlignment(SentenceAlignment alignment);
  bool IsAvailable() const { return available_; }
  bool IsStale() const { return stale_; }

  // "ShowSentAlignmentType" 1: placing the caret in either pane shows its pair.
  void SetShowOnCaret(bool on) { showOnCaret_ = on; }
  // "SynchEditWndScrolling": scrolling one pane scrolls the other to the aligned position.
  void SetSynchronisedScrolling(bool on) { synchronisedScrolling_ = on; }

  // Shows the pair at the caret of one pane; false when there is none to show. When the
  // panes have changed since the translation, says so in a message.
  bool ShowAtCaret(AlignmentSide side);

 private:
  TextPane& Pane(AlignmentSide side) const;
  void OnContentChanged();
  void OnCaretMoved(AlignmentSide side);
  void OnScrolled(AlignmentSide side);
  // Scrolls the pane on the other side so that its range of the record stands as many lines
  // below its first visible line as the range on `side` does.
  void AlignOtherPane(const AlignmentRecord& record, AlignmentSide side);

  TextPane& source_;
  TextPane& target_;
  RefPtr<Config> config_;
  SentenceAlignment alignment_;
  bool available_ = false;
  bool stale_ = false;
  bool showOnCaret_ = false;
  bool synchronisedScrolling_ = false;
  bool moving_ = false;  // our own selecting and scrolling notify nothing
};

}  // namespace vorla

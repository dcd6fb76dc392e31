#include "ui/panes/SentenceAlignmentDisplay.h"

#include <QScopedValueRollback>
#include <QScrollBar>

#include "common/Windows1252.h"

namespace vorla {

namespace {

// A pane's text in its Windows-1252 form, read a character at a time.
class PaneAlignmentText final : public AlignmentText {
 public:
  explicit PaneAlignmentText(const TextPane& pane) : pane_(pane), length_(pane.CharacterCount()) {}

  std::int32_t Length() const override { return length_; }
  std::uint8_t CharacterAt(std::int32_t position) const override {
    return CodePointToCp1252(pane_.CharacterAt(position)).value_or('?');
  }

 private:
  const TextPane& pane_;
  std::int32_t length_;
};

}  // namespace

SentenceAlignmentDisplay::SentenceAlignmentDisplay(TextPane& source, TextPane& target,
                                                   RefPtr<Config> config, QObject* parent)
    : QObject(parent), source_(source), target_(target), config_(std::move(config)) {
  for (const AlignmentSide side : {AlignmentSide::Source, AlignmentSide::Target}) {
    TextPane& pane = Pane(side);
    connect(&pane, &TextPane::ContentChanged, this, &SentenceAlignmentDisplay::OnContentChanged);
    connect(&pane, &QTextEdit::cursorPositionChanged, this, [this, side] { OnCaretMoved(side); });
    connect(pane.verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this, side] { OnScrolled(side); });
  }
}

void SentenceAlignmentDisplay::SetAlignment(SentenceAlignment alignment) {
  alignment_ = std::move(alignment);
  available_ = alignment_.IsAvailable();
  stale_ = false;
}

bool SentenceAlignmentDisplay::ShowAtCaret(AlignmentSide side) {
  if (!available_) {
    if (stale_) {
      config_->ShowMessage(kAlignmentChangedMessage.In(config_->GetUiLanguage()), {},
                           {.icon = MessageIcon::Information});
    }
    return false;
  }
  const auto record = FindSentencePair(alignment_, side, Pane(side).CaretPosition(),
                                       PaneAlignmentText(source_), PaneAlignmentText(target_));
  if (!record) return false;
  const QScopedValueRollback moving(moving_, true);
  for (const AlignmentSide each : {side, OtherSide(side)}) {
    const AlignedRange range = RangeOn(*record, each);
    Pane(each).SelectRange(range.start, range.end);
  }
  AlignOtherPane(*record, side);
  return true;
}

TextPane& SentenceAlignmentDisplay::Pane(AlignmentSide side) const {
  return side == AlignmentSide::Source ? source_ : target_;
}

void SentenceAlignmentDisplay::OnContentChanged() {
  if (!available_) return;
  available_ = false;
  stale_ = true;
}

void SentenceAlignmentDisplay::OnCaretMoved(AlignmentSide side) {
  if (moving_ || !showOnCaret_ || !available_) return;
  if (Pane(side).textCursor().hasSelection()) return;
  ShowAtCaret(side);
}

void SentenceAlignmentDisplay::OnScrolled(AlignmentSide side) {
  if (moving_ || !synchronisedScrolling_ || !available_) return;
  const TextPane& pane = Pane(side);
  const auto record =
      FindAlignmentRecord(alignment_, side, pane.LinePosition(pane.FirstVisibleLine()),
                          PaneAlignmentText(source_), PaneAlignmentText(target_));
  if (!record) return;
  const QScopedValueRollback moving(moving_, true);
  AlignOtherPane(*record, side);
}

void SentenceAlignmentDisplay::AlignOtherPane(const AlignmentRecord& record, AlignmentSide side) {
  const TextPane& pane = Pane(side);
  TextPane& other = Pane(OtherSide(side));
  const int offset = pane.LineFromPosition(RangeOn(record, side).start) - pane.FirstVisibleLine();
  other.ScrollLineToOffset(other.LineFromPosition(RangeOn(record, OtherSide(side)).start), offset);
}

}  // namespace vorla

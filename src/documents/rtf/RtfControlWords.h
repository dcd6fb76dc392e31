#pragma once

#include <cstdint>
#include <string_view>

#include "documents/rtf/RichDocument.h"
#include "documents/rtf/RtfGroupState.h"

namespace vorla {

// What the reader does with a control word.
enum class RtfWord {
  Unknown,           // ignored; a group that starts with \* and it is skipped
  Known,             // understood and without effect (its group is read on)
  SkipGroup,         // a destination whose content is not text of the pane
  Character,         // stands for the character `value`
  DocumentCodePage,  // `value`, or the parameter when `value` is 0 (\ansicpgN)
  DefaultFont,
  FontTable,
  ColorTable,
  Font,
  FontCharset,
  FontCodePage,
  ColorComponent,  // red (`value` 0), green (1) or blue (2) of a colour table entry
  Field,
  FieldInstruction,
  FieldResult,
  Picture,
  Object,
  Plain,
  Toggle,  // switches `toggle` on, or off with the parameter 0
  UnderlineNone,
  FontSize,
  Color,
  Position,  // the vertical position `value`; baseline with the parameter 0
  ParagraphDefaults,
  InTable,
  Alignment,  // the paragraph alignment `value`
  Distance,   // sets `distance` of the paragraph
  Paragraph,
  Cell,
  Row,
  Unicode,
  UnicodeSkip,
};

struct RtfWordInfo {
  RtfWord word = RtfWord::Unknown;
  std::int32_t value = 0;
  bool RtfCharacterState::*toggle = nullptr;
  int ParagraphFormat::*distance = nullptr;
};

RtfWordInfo LookUpRtfWord(std::string_view word);

}  // namespace vorla

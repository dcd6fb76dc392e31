#pragma once

#include <cstdint>

#include "documents/rtf/RichDocument.h"

namespace vorla {

// Where the text of a group goes.
enum class RtfDestination : std::uint8_t { Text, FontTable, ColorTable, FieldInstruction };

struct RtfCharacterState {
  std::int32_t font = 0;
  bool fontSet = false;  // without \f the default font (\deff) applies
  std::int32_t fontSize = 0;
  std::int32_t color = 0;
  std::int32_t link = -1;  // the field whose link the text is part of
  VerticalPosition verticalPosition = VerticalPosition::Baseline;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool hidden = false;
  friend bool operator==(const RtfCharacterState&, const RtfCharacterState&) = default;
};

struct RtfGroupState {
  RtfCharacterState character;
  ParagraphFormat paragraph;
  bool inTable = false;  // \intbl: the paragraph is a table cell
  RtfDestination destination = RtfDestination::Text;
  std::int32_t field = -1;       // the field whose parts this group holds
  std::int32_t unicodeSkip = 1;  // \ucN: fallback characters that follow each \uN
};

}  // namespace vorla

#pragma once

#include <string_view>

namespace vorla {

// What the reader does with a control word.
enum class RtfWord {
  Unknown,    // ignored; a group that starts with \* and it is skipped
  Known,      // understood and without effect (its group is read on)
  SkipGroup,  // a destination whose content is not text of the pane
  Character,  // stands for one character
  AnsiCodePage,
  CodePageAnsi,
  CodePageMac,
  CodePagePc,
  CodePagePca,
  DefaultFont,
  FontTable,
  ColorTable,
  Font,
  FontCharset,
  FontCodePage,
  Red,
  Green,
  Blue,
  Field,
  FieldInstruction,
  FieldResult,
  Picture,
  Object,
  Plain,
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  StrikeOut,
  FontSize,
  Color,
  Superscript,
  Subscript,
  NoSuperSub,
  Up,
  Down,
  Hidden,
  ParagraphDefaults,
  InTable,
  AlignLeft,
  AlignRight,
  AlignCenter,
  AlignJustify,
  LeftIndent,
  RightIndent,
  FirstLineIndent,
  SpaceBefore,
  SpaceAfter,
  Paragraph,
  Line,
  Tab,
  Cell,
  Row,
  Unicode,
  UnicodeSkip,
};

struct RtfWordInfo {
  RtfWord word = RtfWord::Unknown;
  char32_t character = 0;  // for RtfWord::Character
};

RtfWordInfo LookUpRtfWord(std::string_view word);

}  // namespace vorla

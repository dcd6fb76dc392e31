#include <algorithm>
#include <utility>

#include "documents/rtf/RtfParser.h"

namespace vorla {

void RtfParser::HandleWord(const RtfToken& token) {
  const bool ignorable = std::exchange(ignorableDestination_, false);
  const RtfWordInfo info = LookUpRtfWord(token.text);
  switch (info.word) {
    case RtfWord::Unicode:
      HandleUnicode(token);
      return;
    case RtfWord::Unknown:
      fallbackToSkip_ = 0;
      if (ignorable) SkipRestOfGroup();
      return;
    case RtfWord::Character:
      fallbackToSkip_ = 0;
      AddCharacter(info.character);
      return;
    case RtfWord::Tab:
      fallbackToSkip_ = 0;
      AddCharacter(kTabCharacter);
      return;
    case RtfWord::Line:
      fallbackToSkip_ = 0;
      AddCharacter(kLineBreakCharacter);
      return;
    default:
      fallbackToSkip_ = 0;
      FlushText();
      ApplyWord(info.word, token);
  }
}

void RtfParser::ApplyWord(RtfWord word, const RtfToken& token) {
  RtfGroupState& state = State();
  RtfCharacterState& character = state.character;
  ParagraphFormat& paragraph = state.paragraph;
  const std::int32_t value = token.parameter;
  const bool on = !token.hasParameter || value != 0;
  const bool inFontTable = state.destination == RtfDestination::FontTable;
  const bool inColorTable = state.destination == RtfDestination::ColorTable;
  switch (word) {
    case RtfWord::SkipGroup:
      SkipRestOfGroup();
      break;
    case RtfWord::CodePageAnsi:
      documentCodePage_ = kCodePageWindows1252;
      break;
    case RtfWord::CodePageMac:
      documentCodePage_ = 10000;
      break;
    case RtfWord::CodePagePc:
      documentCodePage_ = 437;
      break;
    case RtfWord::CodePagePca:
      documentCodePage_ = 850;
      break;
    case RtfWord::AnsiCodePage:
      if (value > 0) documentCodePage_ = value;
      break;
    case RtfWord::DefaultFont:
      defaultFont_ = value;
      formatValid_ = false;
      break;
    case RtfWord::FontTable:
      state.destination = RtfDestination::FontTable;
      break;
    case RtfWord::ColorTable:
      state.destination = RtfDestination::ColorTable;
      break;
    case RtfWord::Font:
      if (inFontTable) {
        fonts_.BeginEntry(value);
        formatValid_ = false;
      } else {
        character.font = value;
        character.fontSet = true;
      }
      break;
    case RtfWord::FontCharset:
      if (inFontTable) fonts_.SetCharset(value);
      break;
    case RtfWord::FontCodePage:
      if (inFontTable) fonts_.SetCodePage(value);
      break;
    case RtfWord::Red:
      if (inColorTable) colors_.SetRed(value);
      break;
    case RtfWord::Green:
      if (inColorTable) colors_.SetGreen(value);
      break;
    case RtfWord::Blue:
      if (inColorTable) colors_.SetBlue(value);
      break;
    case RtfWord::Field:
      fieldInstructions_.emplace_back();
      state.field = static_cast<std::int32_t>(fieldInstructions_.size() - 1);
      break;
    case RtfWord::FieldInstruction:
      state.destination = RtfDestination::FieldInstruction;
      break;
    case RtfWord::FieldResult:
      StartFieldResult();
      break;
    case RtfWord::Picture:
      TakeObject(ObjectKind::Picture, token.start);
      break;
    case RtfWord::Object:
      TakeObject(ObjectKind::Object, token.start);
      break;
    case RtfWord::Plain:
      // A link is the field's, not a character property that \plain resets.
      character = RtfCharacterState{.link = character.link};
      break;
    case RtfWord::Bold:
      character.bold = on;
      break;
    case RtfWord::Italic:
      character.italic = on;
      break;
    case RtfWord::Underline:
      character.underline = on;
      break;
    case RtfWord::UnderlineNone:
      character.underline = false;
      break;
    case RtfWord::StrikeOut:
      character.strikeOut = on;
      break;
    case RtfWord::FontSize:
      character.fontSize = std::max(value, 0);
      break;
    case RtfWord::Color:
      character.color = value;
      break;
    case RtfWord::Superscript:
    case RtfWord::Up:
      character.verticalPosition = on ? VerticalPosition::Superscript : VerticalPosition::Baseline;
      break;
    case RtfWord::Subscript:
    case RtfWord::Down:
      character.verticalPosition = on ? VerticalPosition::Subscript : VerticalPosition::Baseline;
      break;
    case RtfWord::NoSuperSub:
      character.verticalPosition = VerticalPosition::Baseline;
      break;
    case RtfWord::Hidden:
      character.hidden = on;
      break;
    case RtfWord::ParagraphDefaults:
      paragraph = ParagraphFormat{};
      state.inTable = false;
      break;
    case RtfWord::InTable:
      state.inTable = true;
      break;
    case RtfWord::AlignLeft:
      paragraph.alignment = ParagraphAlignment::Left;
      break;
    case RtfWord::AlignRight:
      paragraph.alignment = ParagraphAlignment::Right;
      break;
    case RtfWord::AlignCenter:
      paragraph.alignment = ParagraphAlignment::Center;
      break;
    case RtfWord::AlignJustify:
      paragraph.alignment = ParagraphAlignment::Justify;
      break;
    case RtfWord::LeftIndent:
      paragraph.leftIndent = value;
      break;
    case RtfWord::RightIndent:
      paragraph.rightIndent = value;
      break;
    case RtfWord::FirstLineIndent:
      paragraph.firstLineIndent = value;
      break;
    case RtfWord::SpaceBefore:
      paragraph.spaceBefore = value;
      break;
    case RtfWord::SpaceAfter:
      paragraph.spaceAfter = value;
      break;
    case RtfWord::Paragraph:
      ParagraphMark();
      break;
    case RtfWord::Cell:
      AddCell();
      break;
    case RtfWord::Row:
      EndRow();
      break;
    case RtfWord::UnicodeSkip:
      state.unicodeSkip = std::max(value, 0);
      break;
    default:  // known words without effect, and the text words handled before
      break;
  }
}

void RtfParser::HandleSymbol(char symbol) {
  fallbackToSkip_ = 0;
  switch (symbol) {
    case '*':
      ignorableDestination_ = true;
      break;
    case '~':
      AddCharacter(0x00A0);  // no-break space
      break;
    case '-':
      AddCharacter(0x00AD);  // optional hyphen
      break;
    case '_':
      AddCharacter(0x2011);  // no-break hyphen
      break;
    case '\r':
    case '\n':
      FlushText();
      ParagraphMark();
      break;
    default:  // \: \| and the like mark index entries and formulas; they add no text
      break;
  }
}

}  // namespace vorla

#include <algorithm>
#include <utility>

#include "documents/rtf/RtfParser.h"

namespace vorla {

void RtfParser::HandleWord(const RtfToken& token) {
  const bool ignorable = std::exchange(ignorableDestination_, false);
  const RtfWordInfo info = LookUpRtfWord(token.text);
  if (info.word == RtfWord::Unicode) {
    HandleUnicode(token);
    return;
  }
  if (info.word == RtfWord::Character) {
    if (!SkippedAsFallback()) AddCharacter(static_cast<char32_t>(info.value));
    return;
  }
  fallbackToSkip_ = 0;
  if (info.word == RtfWord::Unknown) {
    if (ignorable) SkipRestOfGroup();
  } else {
    FlushText();
    ApplyWord(info, token);
  }
}

void RtfParser::ApplyWord(const RtfWordInfo& info, const RtfToken& token) {
  RtfGroupState& state = State();
  RtfCharacterState& character = state.character;
  const std::int32_t value = token.parameter;
  const bool on = !token.hasParameter || value != 0;
  const bool inFontTable = state.destination == RtfDestination::FontTable;
  const bool inColorTable = state.destination == RtfDestination::ColorTable;
  switch (info.word) {
    case RtfWord::SkipGroup:
      SkipRestOfGroup();
      break;
    case RtfWord::DocumentCodePage: {
      const std::int32_t codePage = info.value > 0 ? info.value : value;  // \ansicpgN
      if (codePage > 0) documentCodePage_ = codePage;
      break;
    }
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
    case RtfWord::ColorComponent:
      if (inColorTable) colors_.SetComponent(info.value, value);
      break;
    case RtfWord::Field:
      fields_.emplace_back();
      state.field = static_cast<std::int32_t>(fields_.size() - 1);
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
    case RtfWord::Toggle:
      character.*info.toggle = on;
      break;
    case RtfWord::UnderlineNone:
      character.underline = false;
      break;
    case RtfWord::FontSize:
      character.fontSize = std::max(value, 0);
      break;
    case RtfWord::Color:
      character.color = value;
      break;
    case RtfWord::Position:
      character.verticalPosition =
          on ? static_cast<VerticalPosition>(info.value) : VerticalPosition::Baseline;
      break;
    case RtfWord::ParagraphDefaults:
      state.paragraph = ParagraphFormat{};
      state.inTable = false;
      break;
    case RtfWord::InTable:
      state.inTable = true;
      break;
    case RtfWord::Alignment:
      state.paragraph.alignment = static_cast<ParagraphAlignment>(info.value);
      break;
    case RtfWord::Distance:
      state.paragraph.*info.distance = value;
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
    default:  // known words without effect
      break;
  }
}

void RtfParser::HandleSymbol(char symbol) {
  static constexpr std::pair<char, char32_t> kCharacterSymbols[] = {
      {'~', 0x00A0},  // no-break space
      {'-', 0x00AD},  // optional hyphen
      {'_', 0x2011},  // no-break hyphen
  };
  for (const auto& [character, c] : kCharacterSymbols) {
    if (symbol != character) continue;
    if (!SkippedAsFallback()) AddCharacter(c);
    return;
  }
  fallbackToSkip_ = 0;
  switch (symbol) {
    case '*':
      ignorableDestination_ = true;
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

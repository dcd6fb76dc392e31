#include "documents/rtf/RtfParser.h"

#include <algorithm>
#include <utility>

#include "common/Utf8.h"
#include "documents/rtf/FieldInstruction.h"
#include "documents/rtf/RtfCodePages.h"

namespace vorla {

namespace {

// Groups nested deeper than this are skipped whole: no document needs them, and the state
// kept for each open group stays bounded.
constexpr std::size_t kMaxGroupDepth = 1000;

}  // namespace

RichDocument RtfParser::Parse() {
  document_.paragraphs.StartParagraph();
  while (!finished_) {
    const RtfToken token = tokenizer_.Next();
    if (token.kind != RtfTokenKind::ControlWord) ignorableDestination_ = false;
    switch (token.kind) {
      case RtfTokenKind::End:
        Finish();
        break;
      case RtfTokenKind::GroupStart:
        OpenGroup();
        break;
      case RtfTokenKind::GroupEnd:
        CloseGroup();
        break;
      case RtfTokenKind::ControlWord:
        HandleWord(token);
        break;
      case RtfTokenKind::ControlSymbol:
        HandleSymbol(token.symbol);
        break;
      case RtfTokenKind::HexByte:
        HandleByte(token.byte);
        break;
      case RtfTokenKind::Text:
        HandleText(token.text);
        break;
    }
  }
  return std::move(document_);
}

void RtfParser::OpenGroup() {
  FlushText();
  fallbackToSkip_ = 0;
  if (groups_.size() > kMaxGroupDepth) {
    tokenizer_.SkipGroup();
    return;
  }
  const RtfGroupState outer = State();
  groups_.push_back(outer);
}

void RtfParser::CloseGroup() {
  FlushText();
  fallbackToSkip_ = 0;
  if (groups_.size() == 1) return;  // a stray closing brace
  if (groups_.size() == 2) {
    Finish();  // the document's own group has ended; anything after it is not RTF
    return;
  }
  groups_.pop_back();
}

void RtfParser::SkipRestOfGroup() {
  FlushText();
  tokenizer_.SkipGroup();
  CloseGroup();
}

void RtfParser::Finish() {
  FlushText();
  if (!paragraphFormatTaken_) TakeParagraphFormat();
  finished_ = true;
}

void RtfParser::HandleText(std::string_view text) {
  const auto skipped = std::min(static_cast<std::size_t>(fallbackToSkip_), text.size());
  fallbackToSkip_ -= static_cast<std::int32_t>(skipped);
  text.remove_prefix(skipped);
  if (text.empty()) return;
  BeginContent();
  collector_.AddBytes(text, RawTextCodePage());
}

void RtfParser::HandleByte(std::uint8_t byte) {
  if (SkippedAsFallback()) return;
  BeginContent();
  const char c = static_cast<char>(byte);
  collector_.AddBytes(std::string_view(&c, 1), FontCodePage());
}

// A fallback character may be text, a \'hh byte or a control word or symbol that stands
// for a character (\u8212\emdash): each counts as one.
bool RtfParser::SkippedAsFallback() {
  if (fallbackToSkip_ <= 0) return false;
  --fallbackToSkip_;
  return true;
}

void RtfParser::HandleUnicode(const RtfToken& token) {
  // \uN is a signed 16-bit value: \u-3913 is U+F0B7.
  const std::int64_t unit = token.parameter < 0 ? token.parameter + 65536 : token.parameter;
  if (token.hasParameter && unit != 0) {
    BeginContent();
    if (unit >= 0xF020 && unit <= 0xF0FF && FontCodePage() == kCodePageSymbol) {
      // Symbol fonts put their characters at U+F000 plus the byte.
      const char byte = static_cast<char>(unit - 0xF000);
      collector_.AddBytes(std::string_view(&byte, 1), kCodePageSymbol);
    } else if (unit > 0 && unit <= 0xFFFF) {
      collector_.AddCodeUnit(static_cast<std::uint16_t>(unit));
    } else {
      collector_.AddCharacter(kReplacementCharacter);
    }
  }
  fallbackToSkip_ = State().unicodeSkip;
}

void RtfParser::AddCharacter(char32_t c) {
  BeginContent();
  collector_.AddCharacter(c);
}

// Table rows become paragraphs of tab-separated cells. A cell's closing tab and the
// paragraph mark at the end of a cell's text go in only when more text of the row follows.
void RtfParser::BeginContent() {
  if (State().destination != RtfDestination::Text) return;
  if (std::exchange(paragraphBreakPending_, false)) {
    FlushText();
    StartParagraph();
  }
  if (std::exchange(cellTabPending_, false)) collector_.AddCharacter(kTabCharacter);
}

void RtfParser::FlushText() {
  if (collector_.Empty()) return;
  const std::string_view text = collector_.Text();
  RtfGroupState& state = State();
  switch (state.destination) {
    case RtfDestination::Text:
      if (state.character.hidden) break;
      TakeParagraphFormat();
      AppendWithinLimit(text);
      break;
    case RtfDestination::FontTable:
      fonts_.AddNameText(text);
      formatValid_ = false;
      break;
    case RtfDestination::ColorTable:
      colors_.AddText(text);
      formatValid_ = false;
      break;
    case RtfDestination::FieldInstruction:
      // Once the result has begun the link stays what the instruction made of it.
      if (state.field >= 0 && !fields_[static_cast<std::size_t>(state.field)].read) {
        instructions_[state.field].append(text);
      }
      break;
  }
  collector_.Clear();
}

// A paragraph takes the properties in effect at its content or at its end, whichever is last.
void RtfParser::TakeParagraphFormat() {
  document_.paragraphs.SetLastFormat(State().paragraph);
  paragraphFormatTaken_ = true;
}

void RtfParser::ParagraphMark() {
  if (State().destination != RtfDestination::Text) return;
  if (!State().inTable) {
    EndParagraph();
    return;
  }
  BeginContent();  // a mark still pending was not the last of its cell
  TakeParagraphFormat();
  paragraphBreakPending_ = true;
}

void RtfParser::EndParagraph() {
  TakeParagraphFormat();
  StartParagraph();
}

void RtfParser::StartParagraph() {
  if (!TakeRoom()) {
    finished_ = true;  // the limit was reached in the paragraph just ended
    return;
  }
  document_.paragraphs.StartParagraph();
  paragraphFormatTaken_ = false;
}

bool RtfParser::TakeRoom() {
  if (room_ == 0) return false;
  --room_;
  return true;
}

void RtfParser::AppendWithinLimit(std::string_view text) {
  std::size_t end = 0;
  for (; end < text.size(); ++end) {
    if (IsUtf8ContinuationByte(text[end])) continue;
    if (!TakeRoom()) break;
  }
  document_.paragraphs.AppendText(CurrentFormat(), text.substr(0, end));
}

void RtfParser::AddCell() {
  if (State().destination != RtfDestination::Text) return;
  paragraphBreakPending_ = false;
  BeginContent();  // the cell before this one was empty
  cellTabPending_ = true;
}

void RtfParser::EndRow() {
  if (State().destination != RtfDestination::Text) return;
  cellTabPending_ = false;
  paragraphBreakPending_ = false;
  EndParagraph();
}

void RtfParser::StartFieldResult() {
  RtfGroupState& state = State();
  if (state.field < 0) return;
  Field& field = fields_[static_cast<std::size_t>(state.field)];
  if (!field.read) {
    field.read = true;
    const auto instruction = instructions_.find(state.field);
    if (instruction == instructions_.end()) return;
    std::string target = HyperlinkTarget(instruction->second);
    instructions_.erase(instruction);  // read once: its memory is not needed any more
    if (target.empty()) return;
    field.link = static_cast<std::int32_t>(links_.size());
    links_.emplace_back(std::move(target));
  }
  if (field.link < 0) return;
  state.character.link = state.field;
}

void RtfParser::TakeObject(ObjectKind kind, std::size_t wordStart) {
  const RtfGroupState& state = State();
  const bool wanted =
      options_.keepObjects && state.destination == RtfDestination::Text && !state.character.hidden;
  // An object cut off by the end of the stream is not kept: its data is incomplete.
  if (tokenizer_.SkipGroup() && wanted) {
    BeginContent();
    FlushText();
    TakeParagraphFormat();
    if (!finished_ && TakeRoom()) {
      std::string rtf = "{";
      rtf.append(input_.substr(wordStart, tokenizer_.Position() - wordStart));
      document_.paragraphs.AppendObject(kind, rtf);
    }
  }
  CloseGroup();
}

const RtfFont* RtfParser::CurrentFont(const RtfCharacterState& character) const {
  if (character.fontSet) return fonts_.Find(character.font);
  return defaultFont_ ? fonts_.Find(*defaultFont_) : nullptr;
}

int RtfParser::FontCodePage() const {
  const RtfGroupState& state = groups_.back();
  int codePage = 0;
  if (state.destination == RtfDestination::FontTable) {
    codePage = fonts_.EntryCodePage();
  } else if (const RtfFont* font = CurrentFont(state.character)) {
    codePage = font->codePage;
  }
  return codePage != 0 ? codePage : documentCodePage_;
}

int RtfParser::RawTextCodePage() const {
  if (options_.streamCodePage > 0) return options_.streamCodePage;
  if (documentCodePage_ == kCodePageUtf8) return kCodePageUtf8;
  return FontCodePage();
}

const CharacterFormat& RtfParser::CurrentFormat() {
  const RtfCharacterState& character = State().character;
  if (formatValid_ && formatState_ == character) return format_;
  CharacterFormat format;
  if (const RtfFont* font = CurrentFont(character)) format.fontFamily = font->family;
  format.fontSizeHalfPoints = character.fontSize;
  format.bold = character.bold;
  format.italic = character.italic;
  format.underline = character.underline;
  format.strikeOut = character.strikeOut;
  format.color = colors_.Find(character.color);
  format.verticalPosition = character.verticalPosition;
  if (character.link >= 0)
    format.linkTarget =
        links_[static_cast<std::size_t>(fields_[static_cast<std::size_t>(character.link)].link)];
  format_ = std::move(format);
  formatState_ = character;
  formatValid_ = true;
  return format_;
}

}  // namespace vorla

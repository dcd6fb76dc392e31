#include "WordTokenizer.h"

#include "LetterCase.h"
#include "common/Utf8.h"

namespace vorla::sim {

namespace {

constexpr char32_t kLineBreak = 0x0B;
constexpr char32_t kNoBreakSpace = 0xA0;
constexpr char32_t kIdeographicSpace = 0x3000;
constexpr char32_t kRightSingleQuote = 0x2019;

bool IsBlank(char32_t c) {
  return c == ' ' || c == '\t' || c == kLineBreak || c == kNoBreakSpace || c == kIdeographicSpace;
}

bool IsDigit(char32_t c) {
  return c >= '0' && c <= '9';
}

bool IsApostrophe(char32_t c) {
  return c == '\'' || c == kRightSingleQuote;
}

// The character at a byte offset and the offset after it; nothing for an invalid byte.
struct Decoded {
  std::optional<char32_t> character;
  std::size_t next = 0;
};

Decoded DecodeAt(std::string_view text, std::size_t pos) {
  Utf8Decoder decoder(text.substr(pos));
  const auto c = decoder.Next();
  return {c, pos + decoder.Position()};
}

}  // namespace

std::optional<TextToken> WordTokenizer::Next() {
  if (pos_ >= text_.size()) return std::nullopt;
  const std::size_t start = pos_;
  const Decoded first = DecodeAt(text_, pos_);
  pos_ = first.next;
  const char32_t c = first.character.value_or(kReplacementCharacter);
  if (!first.character) return TextToken{TokenKind::Mark, text_.substr(start, pos_ - start)};

  if (IsBlank(c)) {
    while (pos_ < text_.size()) {
      const Decoded next = DecodeAt(text_, pos_);
      if (!next.character || !IsBlank(*next.character)) break;
      pos_ = next.next;
    }
    return TextToken{TokenKind::Blank, text_.substr(start, pos_ - start)};
  }
  if (!IsWordLetter(c) && !IsDigit(c)) {
    return TextToken{TokenKind::Mark, text_.substr(start, pos_ - start)};
  }
  bool anyLetter = IsWordLetter(c);
  while (pos_ < text_.size()) {
    Decoded next = DecodeAt(text_, pos_);
    if (next.character && IsApostrophe(*next.character) && next.next < text_.size()) {
      const Decoded after = DecodeAt(text_, next.next);
      if (after.character && (IsWordLetter(*after.character) || IsDigit(*after.character))) {
        next = after;
      }
    }
    if (!next.character || (!IsWordLetter(*next.character) && !IsDigit(*next.character))) break;
    anyLetter = anyLetter || IsWordLetter(*next.character);
    pos_ = next.next;
  }
  return TextToken{anyLetter ? TokenKind::Word : TokenKind::Number,
                   text_.substr(start, pos_ - start)};
}

}  // namespace vorla::sim

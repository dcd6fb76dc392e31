#include "documents/rtf/RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace vorla {

namespace {

constexpr std::size_t kMaxParameterDigits = 10;
// Bytes that end a text token; the zero byte is part of the view.
constexpr std::string_view kTextStops("\\{}\r\n\0", 6);

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

RtfToken MakeToken(RtfTokenKind kind, std::size_t start) {
  RtfToken token;
  token.kind = kind;
  token.start = start;
  return token;
}

RtfToken MakeText(std::size_t start, std::string_view text) {
  RtfToken token = MakeToken(RtfTokenKind::Text, start);
  token.text = text;
  return token;
}

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

RtfToken RtfTokenizer::Next() {
  while (pos_ < input_.size()) {
    const std::size_t start = pos_;
    switch (input_[pos_]) {
      case '{':
        ++pos_;
        return MakeToken(RtfTokenKind::GroupStart, start);
      case '}':
        ++pos_;
        return MakeToken(RtfTokenKind::GroupEnd, start);
      case '\\':
        if (auto token = ReadControl()) return *token;
        break;
      case '\r':
      case '\n':
      case '\0':
        ++pos_;
        break;
      default:
        pos_ = std::min(input_.find_first_of(kTextStops, pos_), input_.size());
        return MakeText(start, input_.substr(start, pos_ - start));
    }
  }
  return MakeToken(RtfTokenKind::End, input_.size());
}

bool RtfTokenizer::SkipGroup() {
  std::size_t depth = 1;
  while (pos_ < input_.size()) {
    pos_ = std::min(input_.find_first_of("{}\\", pos_), input_.size());
    if (pos_ == input_.size()) break;
    const char c = input_[pos_];
    if (c == '{') {
      ++depth, ++pos_;
    } else if (c == '}') {
      ++pos_;
      if (--depth == 0) return true;
    } else if (pos_ + 1 < input_.size() && IsLetter(input_[pos_ + 1])) {
      SkipBinary(ReadWord(pos_));
    } else {
      pos_ = std::min(pos_ + 2, input_.size());
    }
  }
  return false;
}

std::optional<RtfToken> RtfTokenizer::ReadControl() {
  const std::size_t start = pos_;
  if (pos_ + 1 >= input_.size()) {
    pos_ = input_.size();
    return MakeToken(RtfTokenKind::End, start);
  }
  const char next = input_[pos_ + 1];
  if (IsLetter(next)) {
    RtfToken word = ReadWord(start);
    if (word.text != "bin") return word;
    SkipBinary(word);
    return std::nullopt;
  }
  pos_ += 2;
  switch (next) {
    case '\\':
    case '{':
    case '}':
      return MakeText(start, input_.substr(start + 1, 1));
    case '\'': {
      // A broken escape is dropped together with the one digit it may have.
      const int high = pos_ < input_.size() ? HexValue(input_[pos_]) : -1;
      if (high < 0) return std::nullopt;
      const int low = ++pos_ < input_.size() ? HexValue(input_[pos_]) : -1;
      if (low < 0) return std::nullopt;
      ++pos_;
      RtfToken token = MakeToken(RtfTokenKind::HexByte, start);
      token.byte = static_cast<std::uint8_t>(high * 16 + low);
      return token;
    }
    default: {
      RtfToken token = MakeToken(RtfTokenKind::ControlSymbol, start);
      token.symbol = next;
      return token;
    }
  }
}

RtfToken RtfTokenizer::ReadWord(std::size_t start) {
  pos_ = start + 1;
  while (pos_ < input_.size() && IsLetter(input_[pos_]))
    ++pos_;
  RtfToken token = MakeToken(RtfTokenKind::ControlWord, start);
  token.text = input_.substr(start + 1, pos_ - start - 1);
  token.parameter = ReadParameter(token.hasParameter);
  if (pos_ < input_.size() && input_[pos_] == ' ') ++pos_;
  return token;
}

std::int32_t RtfTokenizer::ReadParameter(bool& present) {
  const bool negative =
      pos_ + 1 < input_.size() && input_[pos_] == '-' && IsDigit(input_[pos_ + 1]);
  if (negative) ++pos_;
  std::int64_t value = 0;
  std::size_t digits = 0;
  for (; pos_ < input_.size() && IsDigit(input_[pos_]); ++pos_, ++digits) {
    if (digits < kMaxParameterDigits) value = value * 10 + (input_[pos_] - '0');
  }
  present = digits > 0;
  if (digits > kMaxParameterDigits) value = std::numeric_limits<std::int64_t>::max();
  if (negative) value = -std::min(value, -std::int64_t{std::numeric_limits<std::int32_t>::min()});
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void RtfTokenizer::SkipBinary(const RtfToken& word) {
  if (word.text != "bin" || word.parameter <= 0) return;
  pos_ += std::min<std::size_t>(static_cast<std::size_t>(word.parameter), input_.size() - pos_);
}

}  // namespace vorla

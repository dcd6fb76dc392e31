#include "dictionaries/EntryTextCheck.h"

#include "dictionaries/CharacterClasses.h"
#include "dictionaries/StreamBytes.h"

namespace vorla {

namespace {

constexpr std::size_t kMaxText = 199;
constexpr std::size_t kMaxPhrase = 398;
constexpr std::uint8_t kNoBreakSpace = 0xA0;

bool IsWordStart(std::uint8_t c, TextSide side) {
  if (IsLetter(c) || IsDigit(c) || c == '@') return true;
  return side == TextSide::Translation &&
         (c == '&' || c == '#' || c == '-' || IsApostropheLike(c) || IsQuoteLike(c) ||
          IsMoneyOrPercent(c));
}

bool IsWordStartAfterBlank(std::uint8_t c, TextSide side) {
  if (IsLetter(c) || IsDigit(c) || c == '@' || c == '&') return true;
  return side == TextSide::Translation &&
         (c == '#' || c == '-' || c == '(' || c == ')' || c == '[' || c == ']' ||
          IsApostropheLike(c) || IsQuoteLike(c) || IsMoneyOrPercent(c));
}

bool IsAllowed(std::uint8_t c, TextSide side, bool englishSource) {
  if (IsLetter(c) || IsDigit(c) || IsMoneyOrPercent(c)) return true;
  if (std::string_view(".-+&@/\\:").find(static_cast<char>(c)) != std::string_view::npos) {
    return true;
  }
  if (side == TextSide::Source) return c == '\'' && englishSource;
  return c == '#' || c == ';' || IsApostropheLike(c) || IsQuoteLike(c) || c == '(' || c == ')' ||
         c == '[' || c == ']' || (c == ',' && englishSource);
}

class TextChecker {
 public:
  TextChecker(const VocabularyHeader& header, std::string_view text, TextSide side)
      : header_(header),
        text_(text),
        side_(side),
        phrases_(header.vocsubtype == DictionaryKind::Phrases),
        limit_(phrases_ ? kMaxPhrase : kMaxText) {}

  CheckedText Run();

 private:
  bool Source() const { return side_ == TextSide::Source; }
  CheckedText Fail(EntryTextResult result, std::uint8_t offending = 0) const {
    return {result, {}, offending};
  }
  CheckedText TooLong() const {
    return Fail(phrases_ ? EntryTextResult::TextPhraseTooLong : EntryTextResult::TextTooLong);
  }
  // A translation word may not open with 0xC8, which the reader takes for an attribute list.
  bool OpensAttributeList(std::uint8_t c) const { return !Source() && c == stream_byte::kListOpen; }
  std::uint8_t At(std::size_t i) const { return ByteAt(text_, i); }
  // Writes a run of white space starting at pos_; false with failure_ set when refused.
  bool TakeWhiteSpace();
  bool TakeStar();

  const VocabularyHeader& header_;
  std::string_view text_;
  TextSide side_;
  bool phrases_;
  std::size_t limit_;
  std::size_t pos_ = 0;
  std::string out_;
  int words_ = 1;
  bool starSeen_ = false;
  CheckedText failure_;
};

bool TextChecker::TakeWhiteSpace() {
  const bool noBreak = !Source() && At(pos_) == kNoBreakSpace;
  std::size_t end = pos_;
  while (end < text_.size() && IsWhiteSpace(At(end)))
    ++end;
  pos_ = end;
  if (end == text_.size()) return true;  // trailing white space is dropped
  if (out_.size() >= limit_) {
    failure_ = TooLong();
    return false;
  }
  const std::uint8_t next = At(end);
  if ((!phrases_ && !IsWordStartAfterBlank(next, side_)) || OpensAttributeList(next)) {
    const bool badStart = Source() && !phrases_;
    failure_ =
        Fail(badStart ? EntryTextResult::TextBadStart : EntryTextResult::TextIllegalChar, next);
    return false;
  }
  out_.push_back(noBreak ? static_cast<char>(kNoBreakSpace) : ' ');
  ++words_;
  return true;
}

bool TextChecker::TakeStar() {
  if (Source()) {
    const bool afterWord = !out_.empty() && (IsLetter(ByteAt(out_, out_.size() - 1)) ||
                                             IsDigit(ByteAt(out_, out_.size() - 1)));
    const bool beforeBlank = pos_ + 1 == text_.size() || IsWhiteSpace(At(pos_ + 1));
    if (starSeen_ || !afterWord || !beforeBlank) {
      failure_ = Fail(EntryTextResult::TextBadStar);
      return false;
    }
    starSeen_ = true;
  }
  out_.push_back('*');
  ++pos_;
  return true;
}

CheckedText TextChecker::Run() {
  while (pos_ < text_.size() && IsWhiteSpace(At(pos_)))
    ++pos_;
  if (pos_ == text_.size()) return Fail(EntryTextResult::TextEmpty);
  const std::uint8_t first = At(pos_);
  if ((!phrases_ && !IsWordStart(first, side_)) || OpensAttributeList(first)) {
    return Fail(EntryTextResult::TextBadStart, first);
  }
  const bool englishSource = header_.srclan == language::kEnglish;
  while (pos_ < text_.size()) {
    std::uint8_t c = At(pos_);
    if (Source() && IsApostropheLike(c)) c = '\'';
    if (IsWhiteSpace(c)) {
      if (!TakeWhiteSpace()) return failure_;
      continue;
    }
    if (out_.size() >= limit_) return TooLong();
    if (IsUnstorable(c)) return Fail(EntryTextResult::TextIllegalChar, c);
    if (!phrases_ && c == '*') {
      if (!TakeStar()) return failure_;
      continue;
    }
    if (!phrases_ && !IsAllowed(c, side_, englishSource)) {
      return Fail(EntryTextResult::TextIllegalChar, c);
    }
    out_.push_back(static_cast<char>(c));
    ++pos_;
  }
  if (!phrases_ && words_ == 1 && out_.back() == '*') out_.pop_back();
  const bool oneWordOnly =
      header_.vocsubtype == DictionaryKind::Disambiguation ||
      (!phrases_ && header_.srclan == language::kFinnish && header_.tgtlan == language::kEnglish);
  if (Source() && words_ > 1 && oneWordOnly) return Fail(EntryTextResult::TextFixedPhrase);
  return {EntryTextResult::TextOk, std::move(out_), 0};
}

}  // namespace

CheckedText CheckEntryText(const Vocabulary& vocabulary, std::string_view text, TextSide side) {
  return TextChecker(vocabulary.header, text, side).Run();
}

}  // namespace vorla

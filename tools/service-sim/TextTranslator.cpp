#include "TextTranslator.h"

#include "LetterCase.h"
#include "WordTokenizer.h"
#include "common/Utf8.h"

namespace vorla::sim {

namespace {

constexpr char32_t kFirstSupplementary = 0x10000;

std::int32_t Utf16Length(std::string_view utf8) {
  std::int32_t units = 0;
  for (Utf8Decoder decoder(utf8); !decoder.AtEnd();) {
    const auto c = decoder.Next();
    units += c && *c >= kFirstSupplementary ? 2 : 1;
  }
  return units;
}

bool EndsSentence(std::string_view mark) {
  return mark == "." || mark == "!" || mark == "?";
}

}  // namespace

std::string TextTranslator::Translate(std::string_view piece) {
  out_.clear();
  pendingBlanks_.clear();
  if (!tagWritten_) {
    out_ = mode_.tag;
    at_.target += Utf16Length(mode_.tag);
    tagWritten_ = true;
  }
  std::vector<TextToken> tokens;
  for (WordTokenizer tokenizer(piece); const auto token = tokenizer.Next();)
    tokens.push_back(*token);
  for (std::size_t at = 0; at < tokens.size(); ++at) {
    const TextToken& token = tokens[at];
    switch (token.kind) {
      case TokenKind::Blank:
        Blank(token.text);
        break;
      case TokenKind::Word:
        if (ApplyUserTerm(tokens, at)) break;
        if (const auto translation = TranslateWord(token.text)) {
          Emit(token.text, *translation);
        } else {
          Drop(token.text);
        }
        break;
      case TokenKind::Number:
      case TokenKind::Mark:
        Emit(token.text, token.text);
        break;
    }
  }
  WritePendingBlanks();
  return std::move(out_);
}

void TextTranslator::CountObject() {
  if (!sentenceOpen_) OpenSentence();
  ++at_.source;
  ++at_.target;
  sentenceEnd_ = at_;
  afterFullStop_ = false;
  skipBlanks_ = false;
}

void TextTranslator::EndParagraph() {
  if (sentenceOpen_) CloseSentence();
  ++at_.source;
  ++at_.target;
  afterFullStop_ = false;
  capitalNext_ = false;
  skipBlanks_ = false;
}

void TextTranslator::Blank(std::string_view blank) {
  at_.source += Utf16Length(blank);
  if (afterFullStop_ && sentenceOpen_) CloseSentence();
  afterFullStop_ = false;
  if (!skipBlanks_) pendingBlanks_ += blank;
}

void TextTranslator::Emit(std::string_view source, std::string_view target) {
  WritePendingBlanks();
  if (!sentenceOpen_) OpenSentence();
  out_ += target;
  at_.source += Utf16Length(source);
  at_.target += Utf16Length(target);
  sentenceEnd_ = at_;
  afterFullStop_ = EndsSentence(source);
  capitalNext_ = false;
  skipBlanks_ = false;
}

void TextTranslator::Drop(std::string_view word) {
  if (sentenceOpen_ && !pendingBlanks_.empty()) {
    pendingBlanks_.clear();
  } else {
    WritePendingBlanks();
    if (!sentenceOpen_) OpenSentence();
    skipBlanks_ = true;
  }
  at_.source += Utf16Length(word);
  sentenceEnd_.source = at_.source;
  afterFullStop_ = false;
  capitalNext_ = capitalNext_ || CaseOf(word) != WordCase::Lower;
}

bool TextTranslator::ApplyUserTerm(std::span<const TextToken> tokens, std::size_t& at) {
  const UserTerms* terms = mode_.userTerms.get();
  if (!terms || terms->empty()) return false;
  // The words from here on, each apart from the one before it by blanks.
  std::vector<std::string_view> words;
  std::vector<std::size_t> positions;
  for (std::size_t i = at; i < tokens.size() && words.size() < terms->longest(); ++i) {
    if (tokens[i].kind == TokenKind::Blank) continue;
    if (i > at && tokens[i - 1].kind != TokenKind::Blank) break;
    words.push_back(tokens[i].text);
    positions.push_back(i);
  }
  const auto match = terms->Longest(words);
  if (!match) return false;
  const std::size_t last = positions[match->words - 1];
  const char* start = tokens[at].text.data();
  const std::string_view source(
      start, static_cast<std::size_t>(tokens[last].text.data() + tokens[last].text.size() - start));
  const WordCase wordCase = CaseOf(tokens[at].text);
  std::string target(match->target);
  if (wordCase == WordCase::Upper) {
    target = InCase(target, WordCase::Upper);
  } else if (capitalNext_ || (wordCase == WordCase::Capital && !sentenceOpen_)) {
    target = InCase(target, WordCase::Capital);
  }
  Emit(source, target);
  at = last;
  return true;
}

std::optional<std::string> TextTranslator::TranslateWord(std::string_view word) const {
  if (!mode_.direction) return std::string(word);
  const WordCase wordCase = CaseOf(word);
  const auto meaning = Lexicon::Shared().Translation(*mode_.direction, word);
  std::string target;
  if (!meaning) {
    target = std::string(word) + (mode_.markUnknown ? "?" : "");
  } else if (meaning->target.empty()) {
    return std::nullopt;
  } else if (wordCase == WordCase::Upper || CaseOf(meaning->source) == WordCase::Lower ||
             !sentenceOpen_) {
    target = InCase(meaning->target, wordCase);
  } else {
    // Within a sentence "I" and "Monday" have their capital anyway; the target keeps the
    // list's form.
    target = std::string(meaning->target);
  }
  if (capitalNext_ && wordCase != WordCase::Upper) target = InCase(target, WordCase::Capital);
  return target;
}

void TextTranslator::WritePendingBlanks() {
  out_ += pendingBlanks_;
  at_.target += Utf16Length(pendingBlanks_);
  pendingBlanks_.clear();
}

void TextTranslator::OpenSentence() {
  sentenceOpen_ = true;
  sentenceStart_ = at_;
  sentenceEnd_ = at_;
}

void TextTranslator::CloseSentence() {
  sentences_.push_back(
      {sentenceStart_.source, sentenceEnd_.source, sentenceStart_.target, sentenceEnd_.target});
  sentenceOpen_ = false;
}

}  // namespace vorla::sim

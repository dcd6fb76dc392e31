#pragma once

#include <optional>
#include <string_view>

namespace vorla::sim {

enum class TokenKind {
  Blank,   // a run of spaces, tabs, line breaks within a paragraph and no-break spaces
  Word,    // letters and digits with at least one letter; an apostrophe between them belongs
  Number,  // digits alone
  Mark,    // any other single character: punctuation, symbols, an object mark
};

struct TextToken {
  TokenKind kind = TokenKind::Mark;
  std::string_view text;
};

// Splits UTF-8 text into the tokens the simulated engine works on. A byte that is not valid
// UTF-8 is a mark of its own.
class WordTokenizer {
 public:
  explicit WordTokenizer(std::string_view utf8) : text_(utf8) {}

  std::optional<TextToken> Next();

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace vorla::sim

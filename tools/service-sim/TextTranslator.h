#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Lexicon.h"
#include "SentenceAlignment.h"
#include "UserTerms.h"
#include "WordTokenizer.h"

namespace vorla::sim {

// How the simulated engine treats the words of a text.
struct WordMode {
  // Nothing: the words stay as they are (a pair the word list does not cover).
  std::optional<WordDirection> direction{};
  // Written before the text, "[ru] ", so that a test sees which pair was asked for.
  std::string tag{};
  // A word the list does not know comes out as "word?".
  bool markUnknown = true;
  // The job's active terms and phrases, which come before the word list.
  std::shared_ptr<const UserTerms> userTerms{};
};

// Translates a text word by word as it streams past, one paragraph at a time, and notes
// where its sentences lie in the source and in the translation.
//
// A term or phrase of the user's active dictionaries becomes the user's translation, in the
// case of its first word. Each other known word becomes its most common meaning, in the case of the
// source word: all capitals, an initial capital (within a sentence only when the list's own form
// has none: "I" and "Monday" have theirs anyway), or as the list writes it. A word the target
// language leaves out (an article) goes with the blanks before it, or at the start of a sentence
// with the blanks after it, and hands its capital on to the next word. Numbers, punctuation and
// blanks stay as they are.
//
// Sentences end at ". ", "! ", "? " and at the end of a paragraph; blanks between them
// belong to none. Positions are counted as the panes count them (see AlignedSentence).
class TextTranslator {
 public:
  explicit TextTranslator(WordMode mode) : mode_(std::move(mode)) {}

  // Translates the next piece of the current paragraph (UTF-8, with '\t' and '\v' as a
  // document holds them). The tag comes before the first piece.
  std::string Translate(std::string_view piece);
  // An embedded object between two pieces: one character on both sides.
  void CountObject();
  // Ends the current paragraph and counts its paragraph break.
  void EndParagraph();

  const std::vector<AlignedSentence>& sentences() const { return sentences_; }

 private:
  struct Position {
    std::int32_t source = 0;
    std::int32_t target = 0;
  };

  void Blank(std::string_view blank);
  void Emit(std::string_view source, std::string_view target);
  void Drop(std::string_view word);
  // Emits the user's translation of the longest term or phrase that starts at the token and
  // moves the index to its last token; false when none starts there.
  bool ApplyUserTerm(std::span<const TextToken> tokens, std::size_t& at);
  // The translation of a word; nothing when the target language leaves it out.
  std::optional<std::string> TranslateWord(std::string_view word) const;
  void WritePendingBlanks();
  void OpenSentence();
  void CloseSentence();

  WordMode mode_;
  std::vector<AlignedSentence> sentences_;
  Position at_;
  bool tagWritten_ = false;
  // The sentence being read.
  bool sentenceOpen_ = false;
  Position sentenceStart_;
  Position sentenceEnd_;
  bool afterFullStop_ = false;
  // Left by a word that was left out.
  bool capitalNext_ = false;
  bool skipBlanks_ = false;
  // The piece being translated.
  std::string out_;
  std::string pendingBlanks_;
};

}  // namespace vorla::sim

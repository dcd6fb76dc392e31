#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "translation/SentenceAlignment.h"

namespace vorla {

enum class AlignmentSide { Source, Target };

constexpr AlignmentSide OtherSide(AlignmentSide side) {
  return side == AlignmentSide::Source ? AlignmentSide::Target : AlignmentSide::Source;
}

// A record's positions on one side.
struct AlignedRange {
  std::int32_t start = 0;
  std::int32_t end = 0;
  friend bool operator==(const AlignedRange&, const AlignedRange&) = default;
};

AlignedRange RangeOn(const AlignmentRecord& record, AlignmentSide side);

// A pane's text as the alignment sees it: one Windows-1252 byte per character position
// ("?" for a character the code page lacks).
class AlignmentText {
 public:
  virtual ~AlignmentText() = default;
  virtual std::int32_t Length() const = 0;
  // A position from 0 to Length() - 1.
  virtual std::uint8_t CharacterAt(std::int32_t position) const = 0;
};

// The Windows-1252 pane text held as bytes.
class Cp1252AlignmentText final : public AlignmentText {
 public:
  explicit Cp1252AlignmentText(std::string_view text) : text_(text) {}
  std::int32_t Length() const override;
  std::uint8_t CharacterAt(std::int32_t position) const override;

 private:
  std::string_view text_;
};

// Letters A-Z and a-z, digits, "$", "%" and the euro, pound, yen and the Nordic letters
// Ä, Å, Ö, ä, å, ö of Windows-1252.
bool IsAlignmentWordCharacter(std::uint8_t character);

// The record whose range on `side` holds `position` (ends included, the later record where
// two meet), with every position clamped to the panes' texts. Records are in order: the
// search stops at the first record that starts after the position.
std::optional<AlignmentRecord> FindAlignmentRecord(const SentenceAlignment& alignment,
                                                   AlignmentSide side, std::int32_t position,
                                                   const AlignmentText& source,
                                                   const AlignmentText& target);

// The sentence pair to show for a caret on `side`: the record holding the caret, when the
// range on the other side neither starts right after a word character nor ends before one,
// so that only whole sentences are shown.
std::optional<AlignmentRecord> FindSentencePair(const SentenceAlignment& alignment,
                                                AlignmentSide caretSide, std::int32_t caret,
                                                const AlignmentText& source,
                                                const AlignmentText& target);

}  // namespace vorla

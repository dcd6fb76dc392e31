#include "translation/AlignmentLookup.h"

#include <algorithm>
#include <limits>

namespace vorla {

namespace {

std::int32_t Clamp(std::int32_t position, std::int32_t length) {
  return std::clamp(position, 0, length);
}

// The record with its positions inside the texts and no range ending before it starts.
AlignmentRecord Clamped(const AlignmentRecord& record, const AlignmentText& source,
                        const AlignmentText& target) {
  const std::int32_t sourceStart = Clamp(record.sourceStart, source.Length());
  const std::int32_t targetStart = Clamp(record.targetStart, target.Length());
  return {sourceStart, std::max(sourceStart, Clamp(record.sourceEnd, source.Length())), targetStart,
          std::max(targetStart, Clamp(record.targetEnd, target.Length()))};
}

bool IsWholeSentence(AlignedRange range, const AlignmentText& text) {
  const bool startsAfterWord =
      range.start > 0 && IsAlignmentWordCharacter(text.CharacterAt(range.start - 1));
  const bool endsBeforeWord =
      range.end < text.Length() && IsAlignmentWordCharacter(text.CharacterAt(range.end));
  return !startsAfterWord && !endsBeforeWord;
}

}  // namespace

AlignedRange RangeOn(const AlignmentRecord& record, AlignmentSide side) {
  return side == AlignmentSide::Source ? AlignedRange{record.sourceStart, record.sourceEnd}
                                       : AlignedRange{record.targetStart, record.targetEnd};
}

std::int32_t Cp1252AlignmentText::Length() const {
  return static_cast<std::int32_t>(
      std::min<std::size_t>(text_.size(), std::numeric_limits<std::int32_t>::max()));
}

std::uint8_t Cp1252AlignmentText::CharacterAt(std::int32_t position) const {
  return static_cast<std::uint8_t>(text_[static_cast<std::size_t>(position)]);
}

bool IsAlignmentWordCharacter(std::uint8_t c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  switch (c) {
    case '$':
    case '%':
    case 0x80:  // euro sign
    case 0xA3:  // pound sign
    case 0xA5:  // yen sign
    case 0xC4:  // Ä
    case 0xC5:  // Å
    case 0xD6:  // Ö
    case 0xE4:  // ä
    case 0xE5:  // å
    case 0xF6:  // ö
      return true;
    default:
      return false;
  }
}

std::optional<AlignmentRecord> FindAlignmentRecord(const SentenceAlignment& alignment,
                                                   AlignmentSide side, std::int32_t position,
                                                   const AlignmentText& source,
                                                   const AlignmentText& target) {
  std::optional<AlignmentRecord> found;
  for (const AlignmentRecord& record : alignment.Records()) {
    const AlignmentRecord clamped = Clamped(record, source, target);
    const AlignedRange range = RangeOn(clamped, side);
    if (range.start > position) break;
    if (position <= range.end) found = clamped;
  }
  return found;
}

std::optional<AlignmentRecord> FindSentencePair(const SentenceAlignment& alignment,
                                                AlignmentSide caretSide, std::int32_t caret,
                                                const AlignmentText& source,
                                                const AlignmentText& target) {
  const std::optional<AlignmentRecord> record =
      FindAlignmentRecord(alignment, caretSide, caret, source, target);
  if (!record) return std::nullopt;
  const AlignmentSide other = OtherSide(caretSide);
  const AlignmentText& otherText = other == AlignmentSide::Source ? source : target;
  if (!IsWholeSentence(RangeOn(*record, other), otherText)) return std::nullopt;
  return record;
}

}  // namespace vorla

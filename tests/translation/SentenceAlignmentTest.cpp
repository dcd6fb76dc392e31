#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "translation/AlignmentLookup.h"
#include "translation/SentenceAlignment.h"

namespace vorla {
namespace {

std::string LittleEndian(const std::vector<std::uint32_t>& values) {
  std::string bytes;
  for (const std::uint32_t value : values) {
    for (int i = 0; i < 4; ++i)
      bytes.push_back(static_cast<char>(value >> (8 * i)));
  }
  return bytes;
}

TEST(SentenceAlignment, PartIsTakenOnlyWhenItsLengthFitsTheCount) {
  const std::string twoRecords = LittleEndian({2, 0, 8, 0, 11, 9, 0x01020304, 12, 0xFFFFFFFF});
  const auto parsed = SentenceAlignment::Parse(twoRecords);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->Records(),
            (std::vector<AlignmentRecord>{{0, 8, 0, 11}, {9, 0x01020304, 12, -1}}));
  EXPECT_TRUE(parsed->IsAvailable());

  const struct {
    const char* what;
    std::string part;
    bool taken;
    bool available;
  } cases[] = {
      {"no records", LittleEndian({0}), true, false},
      {"one record", LittleEndian({1, 0, 5, 0, 6}), true, false},
      {"empty", "", false, false},
      {"short count", std::string("\x01\x00\x00", 3), false, false},
      {"one byte short", twoRecords.substr(0, twoRecords.size() - 1), false, false},
      {"one byte over", twoRecords + "x", false, false},
      // 16 n + 4 wraps to the length in 32 bits.
      {"huge count", LittleEndian({0x10000000}), false, false},
      {"lowest count", LittleEndian({0x80000000}), false, false},
      {"negative count", LittleEndian({0xF0000001, 0, 1, 0, 1}), false, false},
  };
  for (const auto& c : cases) {
    const auto result = SentenceAlignment::Parse(c.part);
    EXPECT_EQ(result.has_value(), c.taken) << c.what;
    if (result) {
      EXPECT_EQ(result->IsAvailable(), c.available) << c.what;
    }
  }
}

// Three sentences and their translations, in the panes' Windows-1252 text.
constexpr std::string_view kSource = "One two. Three four. Five.";
constexpr std::string_view kTarget = "Yksi kaksi. Kolme nelj\xe4. Viisi.";
const SentenceAlignment kThree({{0, 8, 0, 11}, {9, 20, 12, 24}, {21, 26, 25, 31}});

TEST(SentenceAlignment, CaretFindsTheSentenceHoldingIt) {
  const Cp1252AlignmentText source(kSource);
  const Cp1252AlignmentText target(kTarget);
  const struct {
    AlignmentSide side;
    std::int32_t caret;
    std::optional<std::size_t> record;
  } cases[] = {
      {AlignmentSide::Source, 0, 0},  {AlignmentSide::Source, 5, 0},
      {AlignmentSide::Source, 8, 0},  {AlignmentSide::Source, 9, 1},
      {AlignmentSide::Source, 20, 1}, {AlignmentSide::Source, 21, 2},
      {AlignmentSide::Source, 26, 2}, {AlignmentSide::Target, 0, 0},
      {AlignmentSide::Target, 11, 0}, {AlignmentSide::Target, 12, 1},
      {AlignmentSide::Target, 24, 1}, {AlignmentSide::Target, 25, 2},
  };
  for (const auto& c : cases) {
    const auto found = FindSentencePair(kThree, c.side, c.caret, source, target);
    ASSERT_TRUE(found) << c.caret;
    EXPECT_EQ(*found, kThree.Records()[*c.record]) << c.caret;
  }
  // Between two sentences that do not meet nothing holds the caret.
  const SentenceAlignment gap({{0, 7, 0, 11}, {9, 20, 12, 24}});
  EXPECT_FALSE(FindSentencePair(gap, AlignmentSide::Source, 8, source, target));
}

TEST(SentenceAlignment, SearchStopsAtTheFirstRecordStartingAfterTheCaret) {
  const Cp1252AlignmentText source(kSource);
  const Cp1252AlignmentText target(kTarget);
  // The last record would hold position 5, but an earlier one starts after it.
  const SentenceAlignment unordered({{0, 3, 0, 4}, {9, 20, 12, 24}, {0, 8, 0, 11}});
  EXPECT_FALSE(FindAlignmentRecord(unordered, AlignmentSide::Source, 5, source, target));
  EXPECT_EQ(FindAlignmentRecord(unordered, AlignmentSide::Source, 2, source, target),
            (AlignmentRecord{0, 3, 0, 4}));
}

TEST(SentenceAlignment, OtherSideMustBeWholeSentences) {
  const Cp1252AlignmentText source(kSource);
  const Cp1252AlignmentText target(kTarget);
  const struct {
    AlignmentRecord record;
    AlignmentSide caretSide;
    bool shown;
  } cases[] = {
      {{0, 8, 0, 4}, AlignmentSide::Source, true},     // ends before a blank
      {{0, 8, 0, 3}, AlignmentSide::Source, false},    // ends before "i"
      {{0, 8, 13, 24}, AlignmentSide::Source, false},  // starts after "K"
      {{0, 8, 23, 24}, AlignmentSide::Source, false},  // starts after "ä"
      {{0, 8, 25, 31}, AlignmentSide::Source, true},   // ends with the text
      {{0, 3, 0, 11}, AlignmentSide::Target, true},    // the source range is checked
      {{0, 2, 0, 11}, AlignmentSide::Target, false},  {{1, 8, 0, 11}, AlignmentSide::Target, false},
  };
  for (const auto& c : cases) {
    const SentenceAlignment alignment({c.record, {30, 30, 40, 40}});
    const AlignedRange caretRange = RangeOn(c.record, c.caretSide);
    EXPECT_EQ(
        FindSentencePair(alignment, c.caretSide, caretRange.start, source, target).has_value(),
        c.shown)
        << c.record.targetStart << "-" << c.record.targetEnd;
  }
}

TEST(SentenceAlignment, WordCharactersOfWindows1252) {
  const std::string_view extra = "$%\x80\xa3\xa5\xc4\xc5\xd6\xe4\xe5\xf6";
  for (int c = 0; c < 256; ++c) {
    const bool expected = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9') ||
                          extra.find(static_cast<char>(c)) != std::string_view::npos;
    EXPECT_EQ(IsAlignmentWordCharacter(static_cast<std::uint8_t>(c)), expected) << c;
  }
}

TEST(SentenceAlignment, PositionsAreClampedToTheTexts) {
  const Cp1252AlignmentText source(kSource);  // 26 characters
  const Cp1252AlignmentText target(kTarget);  // 31 characters
  const SentenceAlignment outside({{-5, 8, -2, 11}, {9, 500, 12, 900}, {600, 700, 800, 900}});
  EXPECT_EQ(FindSentencePair(outside, AlignmentSide::Source, 0, source, target),
            (AlignmentRecord{0, 8, 0, 11}));
  // The last record, clamped, starts at the end of both texts and holds the end.
  EXPECT_EQ(FindSentencePair(outside, AlignmentSide::Source, 25, source, target),
            (AlignmentRecord{9, 26, 12, 31}));
  EXPECT_EQ(FindSentencePair(outside, AlignmentSide::Target, 31, source, target),
            (AlignmentRecord{26, 26, 31, 31}));
  const SentenceAlignment reversed({{10, 4, 12, 3}, {20, 26, 25, 31}});
  EXPECT_EQ(FindAlignmentRecord(reversed, AlignmentSide::Source, 10, source, target),
            (AlignmentRecord{10, 10, 12, 12}));
  const Cp1252AlignmentText empty("");
  EXPECT_EQ(FindAlignmentRecord(kThree, AlignmentSide::Target, 0, empty, empty),
            (AlignmentRecord{0, 0, 0, 0}));
}

}  // namespace
}  // namespace vorla

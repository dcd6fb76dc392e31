#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace vorla {

// One aligned sentence pair: character positions in the source and the translation pane
// (ends exclusive), as the service counts them in the panes' Windows-1252 text.
struct AlignmentRecord {
  std::int32_t sourceStart = 0;
  std::int32_t sourceEnd = 0;
  std::int32_t targetStart = 0;
  std::int32_t targetEnd = 0;
  friend bool operator==(const AlignmentRecord&, const AlignmentRecord&) = default;
};

// The sentence-alignment table of a translation, in the service's order.
class SentenceAlignment {
 public:
  SentenceAlignment() = default;
  explicit SentenceAlignment(std::vector<AlignmentRecord> records) : records_(std::move(records)) {}

  // The second part of an alignment answer: a little-endian 32-bit count n and n records of
  // four 32-bit integers. Nothing unless n is at least 0 and the part is exactly 16 n + 4
  // bytes long.
  static std::optional<SentenceAlignment> Parse(std::string_view part);

  const std::vector<AlignmentRecord>& Records() const { return records_; }
  // A single sentence has nothing to show.
  bool IsAvailable() const { return records_.size() >= 2; }

 private:
  std::vector<AlignmentRecord> records_;
};

}  // namespace vorla

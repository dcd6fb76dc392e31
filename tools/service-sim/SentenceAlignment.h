#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorla::sim {

// One sentence of the source and its translation, in character positions as the panes count
// them: UTF-16 units, one for each paragraph break, tab, line break and embedded object.
// Starts are the first character of the sentence, ends the position after its last one.
struct AlignedSentence {
  std::int32_t sourceStart = 0;
  std::int32_t sourceEnd = 0;
  std::int32_t targetStart = 0;
  std::int32_t targetEnd = 0;

  friend bool operator==(const AlignedSentence&, const AlignedSentence&) = default;
};

// The second part of an answer with sentence alignment: a count n and n records of source
// start, source end, target start and target end, every integer 32 bits little-endian.
std::string EncodeAlignment(const std::vector<AlignedSentence>& sentences);

}  // namespace vorla::sim

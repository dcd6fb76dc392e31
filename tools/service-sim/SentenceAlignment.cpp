#include "SentenceAlignment.h"

namespace vorla::sim {

namespace {

void AppendLittleEndian(std::string& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<char>(bits >> shift));
}

}  // namespace

std::string EncodeAlignment(const std::vector<AlignedSentence>& sentences) {
  std::string out;
  AppendLittleEndian(out, static_cast<std::int32_t>(sentences.size()));
  for (const AlignedSentence& s : sentences) {
    for (const std::int32_t value : {s.sourceStart, s.sourceEnd, s.targetStart, s.targetEnd}) {
      AppendLittleEndian(out, value);
    }
  }
  return out;
}

}  // namespace vorla::sim

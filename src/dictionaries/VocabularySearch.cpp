#include <string>

#include "common/Windows1252.h"
#include "dictionaries/Vocabulary.h"

namespace vorla {

namespace {

constexpr std::size_t kMaxSearchText = 255;

std::string Lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    c = static_cast<char>(Cp1252ToLower(static_cast<std::uint8_t>(c)));
  return out;
}

}  // namespace

std::optional<int> Vocabulary::Search(SearchRecord& record) const {
  const std::string needle = Lowered(std::string_view(record.text).substr(0, kMaxSearchText));
  const auto matches = [&](std::string_view text, int pass) {
    const std::string lowered = Lowered(text);
    if (record.wholeText) return lowered == needle;
    return pass == 0 ? lowered.starts_with(needle) : lowered.find(needle) != std::string::npos;
  };
  const int n = count();
  const int start = record.start >= 0 && record.start < n ? record.start : 0;
  const int passes = record.wholeText ? 1 : 2;
  for (int pass = 0; pass < passes; ++pass) {
    for (int k = 0; k < n; ++k) {
      const int i = (start + k) % n;
      const VocabularyEntry& entry = At(i);
      if (record.wordClass != 0 && entry.scat != record.wordClass) continue;
      if (matches(entry.source, pass) || matches(entry.target, pass)) {
        record.hit = i;
        record.pass = pass;
        return i;
      }
    }
  }
  return std::nullopt;
}

}  // namespace vorla

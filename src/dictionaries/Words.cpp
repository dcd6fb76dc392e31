#include "dictionaries/Words.h"

#include <algorithm>

namespace vorla {

namespace {

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 0x20) : c;
}

}  // namespace

std::vector<std::string_view> SplitWords(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = text.find_first_not_of(' ', pos);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(text.find(' ', start), text.size());
    words.push_back(text.substr(start, end - start));
    pos = end;
  }
  return words;
}

std::string JoinWords(std::span<const std::string_view> words) {
  std::string joined;
  for (const std::string_view word : words) {
    if (!joined.empty()) joined.push_back(' ');
    joined.append(word);
  }
  return joined;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && StartsWithNoCase(a, b);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace vorla

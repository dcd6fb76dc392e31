#include "ProseText.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string_view>
#include <vector>

#include "WordList.h"

namespace vorla::bench {

std::string ProseText(std::size_t size) {
  std::vector<std::string_view> words;
  for (const sim::WordEntry& entry : sim::WordList()) {
    if (!entry.english.empty() && entry.english.find(' ') == std::string_view::npos) {
      words.push_back(entry.english);
    }
  }
  std::uint32_t state = 12345;
  const auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  };
  const auto count = static_cast<std::uint32_t>(words.size());
  std::string text;
  text.reserve(size + 64);
  int sentences = 0;
  while (text.size() < size) {
    const std::uint32_t length = 6 + next() % 9;
    for (std::uint32_t i = 0; i < length; ++i) {
      const std::string_view word = words[std::min(next() % count, next() % count)];
      const std::size_t start = text.size();
      text += word;
      if (i == 0) text[start] = static_cast<char>(std::toupper(text[start]));
      text += i + 1 < length ? " " : ".";
    }
    text += ++sentences % 5 == 0 ? "\r\n" : " ";
  }
  text.resize(size);
  return text;
}

}  // namespace vorla::bench

#include "dictionaries/InvertedTerm.h"

#include <algorithm>
#include <string_view>

namespace vorla {

namespace {

constexpr std::size_t kMaxInvertedLength = 199;

bool IsBlankOrTab(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimEnd(std::string_view text) {
  while (!text.empty() && IsBlankOrTab(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string_view TrimStart(std::string_view text) {
  while (!text.empty() && IsBlankOrTab(text.front()))
    text.remove_prefix(1);
  return text;
}

}  // namespace

std::size_t RewriteInvertedTerm(std::string& text, std::size_t capacity) {
  const std::string_view whole = text;
  const std::size_t open = whole.find('<', 1);
  if (whole.size() > kMaxInvertedLength || open == std::string_view::npos) return text.size();
  const std::string_view head = TrimEnd(whole.substr(0, open));
  if (head.empty() ||
      std::ranges::any_of(head, [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
    return text.size();
  }
  const std::size_t close = whole.find('>', open);
  const std::string_view modifiers = TrimEnd(TrimStart(
      whole.substr(open + 1, close == std::string_view::npos ? close : close - open - 1)));
  if (modifiers.empty()) return text.size();
  std::string rewritten = std::string(modifiers) + " " + std::string(head);
  if (close != std::string_view::npos && close + 1 < whole.size()) {
    const std::string_view rest = TrimStart(whole.substr(close + 1));
    if (rest.empty()) return text.size();
    rewritten.append("* ").append(rest);
  }
  if (rewritten.size() >= capacity) return text.size();
  text = std::move(rewritten);
  return text.size();
}

}  // namespace vorla

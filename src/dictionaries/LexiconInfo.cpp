#include "dictionaries/LexiconInfo.h"

#include "config/Settings.h"

namespace vorla {

namespace {

constexpr std::size_t kLongestItem = 254;
constexpr std::size_t kShortestItem = 5;
constexpr std::size_t kLongestName = 255;
constexpr int kNumberFields = 4;

std::string_view TrimTrailing(std::string_view text) {
  while (!text.empty() && (text.back() == '\t' || text.back() == '\n' || text.back() == '\r' ||
                           text.back() == ' ')) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

std::vector<LexiconRow> ParseLexiconRows(std::string_view text) {
  std::vector<LexiconRow> rows;
  while (!text.empty()) {
    const std::size_t end = text.find(';');
    const std::string_view item = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

    if (item.size() > kLongestItem) break;
    if (item.size() < kShortestItem) continue;

    int numbers[kNumberFields] = {};
    std::size_t fieldStart = 0;
    bool complete = true;
    for (int& number : numbers) {
      const std::size_t colon = item.find(':', fieldStart);
      if (colon == std::string_view::npos) {
        complete = false;
        break;
      }
      number = ParseStoredInteger(item.substr(fieldStart, colon - fieldStart)).value_or(0);
      fieldStart = colon + 1;
    }
    if (!complete) continue;

    const std::string_view name = TrimTrailing(item.substr(fieldStart)).substr(0, kLongestName);
    if (numbers[0] <= 0 || name.empty()) continue;
    rows.push_back({numbers[0], numbers[1], numbers[2], numbers[3], std::string(name)});
  }
  return rows;
}

std::string FormatLexiconRows(const std::vector<LexiconRow>& rows) {
  std::string text;
  for (const LexiconRow& row : rows) {
    text += std::to_string(row.vocid) + ':' + std::to_string(row.second) + ':' +
            std::to_string(row.voctype) + ':' + std::to_string(row.vocsubtype) + ':' + row.name +
            ';';
  }
  return text;
}

}  // namespace vorla

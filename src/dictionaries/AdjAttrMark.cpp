#include "dictionaries/AdjAttrMark.h"

namespace vorla {

std::string MarkedTarget(const VocabularyEntry& entry) {
  const int k = entry.tgtattr.Get(attr::kTgtAdjAttr);
  std::string marked = entry.target;
  std::size_t pos = 0;
  for (int word = 1; k >= 1; ++word) {
    const std::size_t blank = marked.find(' ', pos);
    if (blank == std::string::npos) break;
    if (word == k) {
      marked.insert(blank, 1, '#');
      break;
    }
    pos = blank + 1;
  }
  return marked;
}

int ExtractAdjAttrMark(std::string& translation) {
  int first = -1;
  int word = 0;
  for (std::size_t start = 0; start < translation.size();) {
    const std::size_t blank = translation.find(' ', start);
    if (blank == std::string::npos) break;
    if (blank > start) {
      ++word;
      if (blank - start > 1 && translation[blank - 1] == '#') {
        translation[blank - 1] = ' ';
        if (first < 0) first = word;
      }
    }
    start = blank + 1;
  }
  std::string reduced;
  reduced.reserve(translation.size());
  for (const char c : translation) {
    if (c != ' ' || reduced.empty() || reduced.back() != ' ') reduced.push_back(c);
  }
  translation = std::move(reduced);
  return first;
}

}  // namespace vorla

#include "dictionaries/exchange/CsvSeparator.h"

namespace vorla {

namespace {

constexpr char kNone = 0;

bool IsCandidate(char c) {
  return c == ';' || c == ',' || c == '\t';
}

struct LineCounts {
  int semicolons = 0;
  int commas = 0;
  int tabs = 0;

  void Count(char c) {
    semicolons += c == ';';
    commas += c == ',';
    tabs += c == '\t';
  }
  // The one separator the line holds, if it holds only one kind.
  char Only() const {
    if (semicolons > 0 && commas == 0 && tabs == 0) return ';';
    if (commas > 0 && semicolons == 0 && tabs == 0) return ',';
    if (tabs > 0 && semicolons == 0 && commas == 0) return '\t';
    return kNone;
  }
};

}  // namespace

char DetectCsvSeparator(std::string_view text) {
  LineCounts counts;
  char remembered = kNone;
  bool quotesOpen = true;  // until a double quote stands anywhere but at a line start
  bool inQuotes = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inQuotes) {
      if (c != '"') continue;
      if (i + 1 < text.size() && text[i + 1] == '"') {
        ++i;
        continue;
      }
      inQuotes = false;
      if (i + 1 < text.size() && IsCandidate(text[i + 1])) remembered = text[i + 1];
      continue;
    }
    if (c == '"') {
      const bool atLineStart = i == 0 || text[i - 1] == '\n';
      if (atLineStart && quotesOpen) {
        inQuotes = true;
      } else {
        quotesOpen = false;
      }
      continue;
    }
    if (c == '\n' || c == '\r') {
      if (const char only = counts.Only(); only != kNone) return only;
      if (remembered != kNone) return remembered;
      counts = {};
      continue;
    }
    counts.Count(c);
  }
  return remembered == ',' || remembered == '\t' ? remembered : ';';
}

}  // namespace vorla

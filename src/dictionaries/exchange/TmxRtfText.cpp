#include "dictionaries/exchange/TmxRtfText.h"

#include <cctype>
#include <charconv>

#include "dictionaries/VocabularyEntry.h"

namespace vorla {
namespace {

constexpr std::string_view kSkippedDestinations[] = {
    "footnote", "header",  "footer",     "pict",     "info",
    "fonttbl",  "filetbl", "stylesheet", "colortbl", "object",
};

bool IsLetter(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

struct ControlWord {
  std::string_view name;
  std::optional<int> parameter;
  std::size_t end;  // past the word and its delimiting blank
};

// The control word whose backslash is at pos (a letter follows it).
ControlWord ReadControlWord(std::string_view rtf, std::size_t pos) {
  std::size_t end = pos + 1;
  while (end < rtf.size() && IsLetter(rtf[end]))
    ++end;
  ControlWord word{rtf.substr(pos + 1, end - pos - 1), std::nullopt, end};
  std::size_t digits = end;
  if (digits < rtf.size() && rtf[digits] == '-') ++digits;
  const std::size_t digitsStart = digits;
  while (digits < rtf.size() && IsDigit(rtf[digits]) && digits - digitsStart < 10)
    ++digits;
  if (digits > digitsStart) {
    int value = 0;
    std::from_chars(rtf.data() + end, rtf.data() + digits, value);
    word.parameter = value;
    end = digits;
  }
  if (end < rtf.size() && rtf[end] == ' ') ++end;
  word.end = end;
  return word;
}

// The position after the group that starts at the brace at pos.
std::size_t SkipGroup(std::string_view rtf, std::size_t pos) {
  int depth = 0;
  for (; pos < rtf.size(); ++pos) {
    if (rtf[pos] == '\\') {
      ++pos;  // an escaped brace does not count
    } else if (rtf[pos] == '{') {
      ++depth;
    } else if (rtf[pos] == '}' && --depth == 0) {
      return pos + 1;
    }
  }
  return rtf.size();
}

bool IsSkippedGroup(std::string_view rtf, std::size_t brace) {
  std::size_t pos = brace + 1;
  if (pos + 1 < rtf.size() && rtf[pos] == '\\' && rtf[pos + 1] == '*') return true;
  if (pos + 1 >= rtf.size() || rtf[pos] != '\\' || !IsLetter(rtf[pos + 1])) return false;
  const std::string_view name = ReadControlWord(rtf, pos).name;
  for (std::string_view skipped : kSkippedDestinations)
    if (name == skipped) return true;
  return false;
}

}  // namespace

bool TmxRtfText(std::string_view rtf, std::string& text) {
  text.clear();
  if (rtf.find_first_of("\\{}") == std::string_view::npos) {
    text.assign(rtf);
    return text.size() <= entry_limit::kField;
  }
  std::size_t run = 0;  // plain bytes in a row
  bool overflow = false;
  const auto put = [&](char c, bool plain) {
    run = plain ? run + 1 : 0;
    if (run >= entry_limit::kField + 1) overflow = true;
    if (text.size() > entry_limit::kField) {
      overflow = true;
      return;
    }
    text.push_back(c);
  };
  for (std::size_t pos = 0; pos < rtf.size();) {
    const char c = rtf[pos];
    if (c == '\r' || c == '\n') {
      ++pos;
    } else if (c == '{') {
      pos = IsSkippedGroup(rtf, pos) ? SkipGroup(rtf, pos) : pos + 1;
      run = 0;
    } else if (c == '}') {
      ++pos;
      run = 0;
    } else if (c != '\\') {
      put(c, true);
      ++pos;
    } else if (pos + 1 >= rtf.size()) {
      ++pos;
    } else if (const char next = rtf[pos + 1]; IsLetter(next)) {
      const ControlWord word = ReadControlWord(rtf, pos);
      if (word.name == "u" && word.parameter) {
        const int value = *word.parameter < 0 ? *word.parameter + 65536 : *word.parameter;
        if (value >= 0 && value < 256) put(static_cast<char>(value), false);
      }
      run = 0;
      pos = word.end;
    } else if (next == '\'' && pos + 3 < rtf.size() && HexValue(rtf[pos + 2]) >= 0 &&
               HexValue(rtf[pos + 3]) >= 0) {
      put(static_cast<char>(HexValue(rtf[pos + 2]) * 16 + HexValue(rtf[pos + 3])), false);
      pos += 4;
    } else if (next == '\\' || next == '{' || next == '}') {
      put(next, false);
      pos += 2;
    } else {
      run = 0;
      pos += 2;  // other control symbols
    }
  }
  return !overflow && text.size() <= entry_limit::kField;
}

}  // namespace vorla

#include "dictionaries/SelectionText.h"

#include <string_view>

#include "dictionaries/RuleTypes.h"
#include "dictionaries/Words.h"

namespace vorla {

namespace {

constexpr std::string_view kDeterminers[] = {"my ",  "your ",  "her ",  "his ",   "its ",
                                             "our ", "their ", "this ", "these ", "those "};
// The determiners that split a Verb/Object selection, in the order they are looked for.
constexpr std::string_view kObjectSplitters[] = {" a ",    " an ",    " the ",  " my ",
                                                 " your ", " her ",   " his ",  " its ",
                                                 " our ",  " their ", " this ", " these "};

bool StartsWithEither(std::string_view text, std::string_view lower) {
  return text.starts_with(lower) || (text.size() >= lower.size() && text[0] == lower[0] - 0x20 &&
                                     text.substr(1).starts_with(lower.substr(1)));
}

bool IsArticle(std::string_view word) {
  return word == "a" || word == "A" || EqualsNoCase(word, "an") || EqualsNoCase(word, "the");
}

void CleanContext(std::string& context) {
  StripLeadingArticle(context);
  StripLeadingDeterminer(context);
}

// Source before the first object determiner, context after it (or at the first blank).
void SplitVerbObject(std::string& source, std::string& context) {
  std::size_t at = std::string::npos;
  for (const std::string_view splitter : kObjectSplitters) {
    at = source.find(splitter);
    if (at != std::string::npos) break;
  }
  if (at == std::string::npos) at = source.find(' ');
  if (at == std::string::npos) return;
  context = source.substr(at + 1);
  source.erase(at);
  CleanContext(context);
}

// The first word (or an article and the word after it, article dropped) is the context.
void SplitVerbSubject(std::string& source, std::string& context) {
  const std::size_t blank = source.find(' ');
  if (blank == std::string::npos) return;
  std::string_view first = std::string_view(source).substr(0, blank);
  std::string_view rest = std::string_view(source).substr(blank + 1);
  if (IsArticle(first) && !rest.empty()) {
    const std::size_t next = rest.find(' ');
    first = rest.substr(0, next);
    rest = next == std::string_view::npos ? std::string_view() : rest.substr(next + 1);
  }
  context = first;
  source = std::string(rest);
}

// Noun/MatAttr: "X of Y" or "X for Y" keeps X as source and Y (without an article) as context.
void SplitMaterial(std::string& source, std::string& context) {
  const auto words = SplitWords(source);
  if (words.size() < 3 || (words[1] != "of" && words[1] != "for")) return;
  std::string_view rest =
      std::string_view(source).substr(static_cast<std::size_t>(words[2].data() - source.data()));
  for (const std::string_view article : {"a ", "an ", "the "}) {
    if (rest.starts_with(article)) {
      rest.remove_prefix(article.size());
      break;
    }
  }
  context = rest;
  source = words[0];
}

}  // namespace

void CleanSelectedText(std::string& text) {
  std::string cleaned;
  cleaned.reserve(text.size());
  for (const char raw : text) {
    const auto c = static_cast<unsigned char>(raw);
    if (c == '\r' || c == 0xAD) continue;
    const bool blank = c == ' ' || c == '\t' || c == '\n' || c == 0xA0;
    if (!blank) {
      cleaned.push_back(raw);
    } else if (cleaned.empty() || cleaned.back() != ' ') {
      cleaned.push_back(' ');
    }
  }
  text = std::move(cleaned);
}

void StripLeadingArticle(std::string& text) {
  if (text.size() > 2 && StartsWithEither(text, "a ")) {
    text.erase(0, 2);
  } else if (text.size() > 3 && StartsWithEither(text, "an ")) {
    text.erase(0, 3);
  } else if (text.size() >= 5 && StartsWithEither(text, "the ")) {
    text.erase(0, 4);
  }
}

void StripLeadingDeterminer(std::string& text) {
  for (const std::string_view determiner : kDeterminers) {
    if (text.size() > determiner.size() && StartsWithNoCase(text, determiner)) {
      text.erase(0, determiner.size());
      return;
    }
  }
}

void PrepareSelectionText(std::string& source, std::string& translation, std::string& context,
                          int ruleType) {
  context.clear();
  CleanSelectedText(source);
  if ((ruleType == rule_type::kNone || ruleType == rule_type::kVerbObject) && source.size() > 3 &&
      StartsWithNoCase(source, "to ")) {
    source.erase(0, 3);
  }
  StripLeadingArticle(source);
  StripLeadingDeterminer(source);
  CleanSelectedText(translation);
  switch (ruleType) {
    case rule_type::kVerbObject:
      SplitVerbObject(source, context);
      break;
    case rule_type::kVerbSubject:
      SplitVerbSubject(source, context);
      break;
    case rule_type::kNounAdjAttr:
      if (const std::size_t blank = source.find(' '); blank != std::string::npos) {
        context = source.substr(0, blank);
        source.erase(0, blank + 1);
      }
      break;
    case rule_type::kAdjNoun:
      if (const std::size_t blank = source.find(' '); blank != std::string::npos) {
        context = source.substr(blank + 1);
        source.erase(blank);
      }
      break;
    case rule_type::kNounMatAttr:
      SplitMaterial(source, context);
      break;
    default:
      break;
  }
}

}  // namespace vorla

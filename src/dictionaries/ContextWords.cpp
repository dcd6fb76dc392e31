#include "dictionaries/ContextWords.h"

#include <vector>

#include "dictionaries/AttributeCodes.h"
#include "dictionaries/AttributeValues.h"
#include "dictionaries/CharacterClasses.h"

namespace vorla {

namespace {

// The display form of a list must stay below 400 bytes.
constexpr std::size_t kListLimit = 400;
// A translation with its coded parameter must fit in 200 bytes.
constexpr std::size_t kParameterItemLimit = 200;
constexpr std::size_t kCodedSuffixLength = 4;  // '(' inflection gradation ')'
constexpr std::uint8_t kNotGiven = 1;
constexpr std::uint8_t kIndexBase = 2;
constexpr std::string_view kEmptyTranslation = "-";

// The items between commas, trimmed; an empty text has none.
std::vector<std::string_view> SplitItems(std::string_view text, bool keepEmpty) {
  std::vector<std::string_view> items;
  if (TrimWhiteSpace(text).empty()) return items;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    const std::string_view item = TrimWhiteSpace(text.substr(
        start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (keepEmpty || !item.empty()) items.push_back(item);
    if (comma == std::string_view::npos) return items;
    start = comma + 1;
  }
}

std::optional<std::uint8_t> FindUnstorable(std::string_view item) {
  for (std::size_t i = 0; i < item.size(); ++i) {
    if (IsUnstorable(ByteAt(item, i))) return ByteAt(item, i);
  }
  return std::nullopt;
}

bool IsContextWordByte(std::uint8_t c, bool singleWord) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsDigit(c) || c == '%') return true;
  if (c == 0x8A || c == 0x8E || c == 0x9A || c == 0x9E) return true;
  if (c >= 0xC0 && c <= 0xFE && c != 0xD7 && c != 0xF7) return true;
  if (c == '-' || c == '+' || c == '/' || c == '\\' || c == '&') return true;
  return !singleWord && (c == ' ' || c == '_');
}

// Both forms of a list, taken item by item while the running length allows.
class ListBuilder {
 public:
  bool Fits(std::size_t length) const { return length_ + 2 + length < kListLimit; }
  void Add(std::string_view displayItem, std::string_view storedItem, std::size_t length) {
    if (count_ > 0) {
      length_ += 2;
      display_.append(", ");
      stored_.push_back(',');
    }
    length_ += length;
    display_.append(displayItem);
    stored_.append(storedItem);
    ++count_;
  }
  // Replaces the list when the display form changed; the stored form is given in Stored mode.
  void ApplyTo(ContextList& list, ContextParseResult& result,
               std::optional<std::string_view> storedAsRead) {
    result.count = count_;
    result.changed = display_ != list.display;
    if (storedAsRead) {
      list = {std::move(display_), std::string(*storedAsRead), count_};
    } else if (result.changed) {
      list = {std::move(display_), std::move(stored_), count_};
    }
  }

 private:
  std::size_t length_ = 0;
  std::string display_;
  std::string stored_;
  int count_ = 0;
};

struct Parameter {
  std::string_view word;
  std::optional<int> inflection;
  std::optional<int> gradation;
};

// "word(P)" or "word(P1;P2)": one inflection name and one gradation name, either may be
// left out, in either order.
std::optional<Parameter> ParseParameter(std::string_view item) {
  constexpr std::size_t kMinInner = 2;
  constexpr std::size_t kMaxInner = 31;
  const std::size_t open = item.find('(');
  if (open == 0 || open == std::string_view::npos || item.find('(', open + 1) != item.npos ||
      item.find(')') != item.size() - 1) {
    return std::nullopt;
  }
  const std::string_view inner = item.substr(open + 1, item.size() - open - 2);
  if (inner.size() < kMinInner || inner.size() > kMaxInner) return std::nullopt;
  Parameter parameter;
  parameter.word = item.substr(0, open);
  while (!parameter.word.empty() && parameter.word.back() == ' ')
    parameter.word.remove_suffix(1);
  if (parameter.word.empty()) return std::nullopt;
  // A second ';' stays inside the second name, which then matches nothing.
  const std::size_t semicolon = inner.find(';');
  std::vector<std::string_view> names = {inner.substr(0, semicolon)};
  if (semicolon != std::string_view::npos) names.push_back(inner.substr(semicolon + 1));
  for (const std::string_view name : names) {
    const auto inflection = FindAttributeValue(attr::kTgtInfl, name);
    const auto gradation = FindAttributeValue(attr::kTgtGrade, name);
    if (inflection && !parameter.inflection) {
      parameter.inflection = inflection;
    } else if (gradation && !parameter.gradation) {
      parameter.gradation = gradation;
    } else {
      return std::nullopt;
    }
  }
  return parameter;
}

std::uint8_t CodedIndex(std::optional<int> index) {
  return index ? static_cast<std::uint8_t>(*index + kIndexBase) : kNotGiven;
}

// The stored form of a typed translation item; too long when its coded form would not fit.
std::optional<std::string> StoreTranslation(std::string_view item, ContextParseResult& result) {
  if (item.find_first_of("()") == std::string_view::npos) return BlanksToUnderscores(item);
  const auto parameter = ParseParameter(item);
  if (!parameter) {
    result.parameterWarning = true;
    return BlanksToUnderscores(item);
  }
  if (parameter->word.size() + kCodedSuffixLength >= kParameterItemLimit) return std::nullopt;
  std::string stored = BlanksToUnderscores(parameter->word);
  stored.push_back('(');
  stored.push_back(static_cast<char>(CodedIndex(parameter->inflection)));
  stored.push_back(static_cast<char>(CodedIndex(parameter->gradation)));
  stored.push_back(')');
  return stored;
}

// The name a coded byte stands for: none for "not given", "???" outside the table.
std::optional<std::string> CodedName(int code, std::uint8_t byte, ContextParseResult& result) {
  if (byte == kNotGiven) return std::nullopt;
  const std::string name = AttributeValueName(code, byte - kIndexBase);
  if (name == "???") result.parameterWarning = true;
  return name;
}

// The display form of a stored translation item. Only bytes below 0x20 make a coded suffix;
// an item stored as typed ("x(ab)") is shown as it is.
std::string ShowStoredTranslation(std::string_view item, ContextParseResult& result) {
  const std::size_t n = item.size();
  if (n <= kCodedSuffixLength || item[n - 4] != '(' || item[n - 1] != ')' ||
      ByteAt(item, n - 3) >= 0x20 || ByteAt(item, n - 2) >= 0x20) {
    return UnderscoresToBlanks(item);
  }
  std::string shown = UnderscoresToBlanks(item.substr(0, n - kCodedSuffixLength));
  shown.push_back('(');
  const auto inflection = CodedName(attr::kTgtInfl, ByteAt(item, n - 3), result);
  const auto gradation = CodedName(attr::kTgtGrade, ByteAt(item, n - 2), result);
  if (inflection) shown.append(*inflection);
  if (inflection && gradation) shown.push_back(';');
  if (gradation) shown.append(*gradation);
  shown.push_back(')');
  return shown;
}

}  // namespace

ContextParseResult ParseContextWords(UserLexicalRuleEntry& rule, std::string_view text,
                                     ContextTextForm form) {
  ContextParseResult result;
  ListBuilder list;
  const bool singleWord = rule.entryclass == EntryClass::DisambRule;
  for (const std::string_view item : SplitItems(text, false)) {
    if (form == ContextTextForm::Stored) {
      list.Add(UnderscoresToBlanks(item), item, item.size());
      continue;
    }
    if (!list.Fits(item.size())) {
      result.tooLong = true;
      break;
    }
    if (const auto bad = FindUnstorable(item)) {
      if (!result.offending) result.offending = bad;
      continue;
    }
    for (std::size_t i = 0; i < item.size() && !result.offending; ++i) {
      if (!IsContextWordByte(ByteAt(item, i), singleWord)) result.offending = ByteAt(item, i);
    }
    list.Add(UnderscoresToBlanks(item), BlanksToUnderscores(item), item.size());
  }
  list.ApplyTo(rule.contextwords, result,
               form == ContextTextForm::Stored ? std::optional(text) : std::nullopt);
  return result;
}

ContextParseResult ParseContextTranslations(UserLexicalRuleEntry& rule, std::string_view text,
                                            ContextTextForm form) {
  ContextParseResult result;
  ListBuilder list;
  for (const std::string_view typed : SplitItems(text, true)) {
    const std::string_view item = typed.empty() ? kEmptyTranslation : typed;
    if (form == ContextTextForm::Stored) {
      list.Add(ShowStoredTranslation(item, result), item, item.size());
      continue;
    }
    if (!list.Fits(item.size())) {
      result.tooLong = true;
      break;
    }
    if (FindUnstorable(item)) {
      result.parameterWarning = true;
      list.Add(kEmptyTranslation, kEmptyTranslation, kEmptyTranslation.size());
      continue;
    }
    const auto stored = StoreTranslation(item, result);
    if (!stored) {
      result.tooLong = true;
      break;
    }
    list.Add(UnderscoresToBlanks(item), *stored, item.size());
  }
  list.ApplyTo(rule.contextwordstr, result,
               form == ContextTextForm::Stored ? std::optional(text) : std::nullopt);
  return result;
}

}  // namespace vorla

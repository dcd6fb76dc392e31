#include "translation/DictionaryEntryRtf.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "common/Bilingual.h"
#include "common/Windows1252.h"
#include "dictionaries/AttributeCodes.h"
#include "dictionaries/AttributeValues.h"

namespace vorla {

namespace {

constexpr std::string_view kHeader = "#DICT;\n";
constexpr std::size_t kMaxAttributeList = 255;

// Display names of the word classes 0 to 13; the later classes have none.
constexpr std::array<BilingualText, 14> kWordClassNames = {{
    {"", ""},
    {"abbr", "lyh"},
    {"adj", "adj"},
    {"adv", "adv"},
    {"art", "art"},
    {"code", "koodi"},
    {"conj", "konj"},
    {"delim", "välimerkki"},
    {"noun", "subst"},
    {"num", "lukus"},
    {"prep", "prep"},
    {"pron", "pron"},
    {"proper noun", "erisn"},
    {"verb", "verbi"},
}};

struct FormMark {
  std::string_view item;
  BilingualText shown;
};
constexpr BilingualText kPlural = {", pl", ", mon"};
constexpr FormMark kComparisonForms[] = {
    {",Comp", {", comp", ", komp"}},
    {",Sup", {", sup", ", superl"}},
};
constexpr FormMark kVerbForms[] = {
    {",Past", {", past", ", impf"}},
    {",Partic2", {", past partic", ", 2. partis"}},
    {",Partic", {", pres partic", ", 1. partis"}},
};

// Windows-1252 bytes as RTF text: braces and backslashes escaped, bytes above 0x7F as \'hh.
void AppendEscaped(std::string& out, std::string_view bytes) {
  constexpr char kHexDigits[] = "0123456789abcdef";
  for (const char c : bytes) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (c == '\\' || c == '{' || c == '}') {
      out.push_back('\\');
      out.push_back(c);
    } else if (byte > 0x7F) {
      out += "\\'";
      out.push_back(kHexDigits[byte >> 4]);
      out.push_back(kHexDigits[byte & 0xF]);
    } else {
      out.push_back(c);
    }
  }
}

void AppendShown(std::string& out, const BilingualText& text, UiLanguage language) {
  AppendEscaped(out, Utf8ToCp1252(text.In(language)));
}

// Whether the list holds the item: its first occurrence ends the list or meets a ",".
bool HasItem(std::string_view list, std::string_view item) {
  const std::size_t at = list.find(item);
  if (at == std::string_view::npos) return false;
  const std::size_t after = at + item.size();
  return after == list.size() || list[after] == ',';
}

void AppendAttributes(std::string& out, std::string_view list, UiLanguage language) {
  const std::size_t comma = list.find(',');
  const int wordClass = FindAttributeValue(attr::kSCat, list.substr(0, comma)).value_or(0);
  if (wordClass >= 0 && static_cast<std::size_t>(wordClass) < kWordClassNames.size()) {
    AppendShown(out, kWordClassNames[static_cast<std::size_t>(wordClass)], language);
  }
  if (comma == std::string_view::npos) return;
  if (list.find(",PL") != std::string_view::npos) AppendShown(out, kPlural, language);
  std::span<const FormMark> forms;
  if (wordClass == word_class::kAdj || wordClass == word_class::kAdv) forms = kComparisonForms;
  if (wordClass == word_class::kVerb) forms = kVerbForms;
  for (const FormMark& form : forms) {
    if (HasItem(list, form.item)) AppendShown(out, form.shown, language);
  }
}

// Writes one meaning line; false ends the entry.
bool AppendMeaning(std::string& out, std::string_view line, std::size_t lineCount,
                   UiLanguage language) {
  const std::size_t dot = line.find(". ");
  if (dot == std::string_view::npos) return false;
  if (lineCount > 1) {
    out += "\\b ";
    AppendEscaped(out, line.substr(0, dot + 1));
    out += "\\b0  ";
  }
  std::string_view rest = line.substr(dot + 2);
  rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
  if (rest.empty()) return false;
  const std::size_t open = rest.rfind(" (");
  if (open == std::string_view::npos) return false;
  const std::string_view words = rest.substr(0, open);
  AppendEscaped(out, words);
  // A single meaning shows its word class only when it has several words.
  if (lineCount == 1 && words.find(',') == std::string_view::npos) return true;
  out += "\\cf1\\i  (";
  const std::string_view afterOpen = rest.substr(open + 2);
  const std::size_t close = afterOpen.find(')');
  if (close == std::string_view::npos || close > kMaxAttributeList) return false;
  AppendAttributes(out, afterOpen.substr(0, close), language);
  out += ")\\cf0\\i0\\par";
  return true;
}

}  // namespace

std::optional<std::string> RenderDictionaryEntry(std::string_view resultText, UiLanguage language,
                                                 std::string_view fontName,
                                                 int fontSizeHalfPoints) {
  if (!resultText.starts_with(kHeader)) return std::nullopt;
  const std::string_view body = resultText.substr(kHeader.size());
  const auto lineCount = static_cast<std::size_t>(std::ranges::count(body, '\n'));

  std::string font(fontName.empty() ? "Arial" : fontName);
  std::erase(font, ';');
  std::string out =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1035{\\fonttbl{\\f0\\fnil\\fcharset0 ";
  AppendEscaped(out, font);
  out += ";}}{\\colortbl ;\\red90\\green90\\blue90;}\\viewkind4\\pard\\uc1\\fs";
  out += std::to_string(fontSizeHalfPoints > 0 ? fontSizeHalfPoints : 20);
  out.push_back(' ');

  std::size_t pos = 0;
  while (pos < body.size()) {
    const std::size_t lineEnd = std::min(body.find('\n', pos), body.size());
    if (!AppendMeaning(out, body.substr(pos, lineEnd - pos), lineCount, language)) break;
    pos = std::min(body.find_first_not_of("\n\r", lineEnd), body.size());
  }
  out += "\\par";
  return out;
}

}  // namespace vorla

#include "MarkupText.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vorla::sim {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

// Where the construct that starts with '<' at the front of rest ends (one past it), or npos.
std::size_t MarkupEnd(std::string_view rest) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kDelimited = {{
      {"<!--", "-->"},
      {"<![CDATA[", "]]>"},
      {"<?", "?>"},
  }};
  for (const auto& [open, close] : kDelimited) {
    if (!rest.starts_with(open)) continue;
    const std::size_t at = rest.find(close, open.size());
    return at == std::string_view::npos ? at : at + close.size();
  }
  const std::size_t at = rest.find('>');
  return at == std::string_view::npos ? at : at + 1;
}

// The element whose content is not text, when tag opens one: "script" or "style".
std::string_view RawTextElement(std::string_view tag) {
  for (std::string_view name : {std::string_view("script"), std::string_view("style")}) {
    if (!StartsWithNoCase(tag.substr(1), name)) continue;
    const char after = tag.size() > name.size() + 1 ? tag[name.size() + 1] : '>';
    if ((after == '>' || kBlanks.find(after) != std::string_view::npos) && !tag.ends_with("/>")) {
      return name;
    }
  }
  return {};
}

std::size_t FindNoCase(std::string_view text, std::string_view wanted) {
  for (std::size_t at = 0; at + wanted.size() <= text.size(); ++at) {
    if (StartsWithNoCase(text.substr(at), wanted)) return at;
  }
  return std::string_view::npos;
}

// A text node: the words between character references are translated, blank-only text and
// the references stay.
void TranslateTextNode(std::string_view text, TextTranslator& translator, std::string& out) {
  while (!text.empty()) {
    const std::size_t amp = text.find('&');
    const std::string_view words = text.substr(0, amp);
    if (words.find_first_not_of(kBlanks) == std::string_view::npos) {
      out += words;
    } else {
      out += translator.Translate(words);
    }
    if (amp == std::string_view::npos) return;
    const std::size_t semicolon = text.find(';', amp);
    const std::size_t referenceEnd =
        semicolon == std::string_view::npos ? text.size() : semicolon + 1;
    out += text.substr(amp, referenceEnd - amp);
    text.remove_prefix(referenceEnd);
  }
}

}  // namespace

std::string TranslateMarkupText(std::string_view markup, TextTranslator& translator) {
  std::string out;
  out.reserve(markup.size() + markup.size() / 4);
  while (!markup.empty()) {
    if (markup.front() != '<') {
      const std::size_t next = std::min(markup.find('<'), markup.size());
      TranslateTextNode(markup.substr(0, next), translator, out);
      markup.remove_prefix(next);
      continue;
    }
    std::size_t end = std::min(MarkupEnd(markup), markup.size());
    if (const std::string_view raw = RawTextElement(markup.substr(0, end)); !raw.empty()) {
      const std::size_t close = FindNoCase(markup.substr(end), "</" + std::string(raw));
      end = close == std::string_view::npos ? markup.size() : end + close;
    }
    out += markup.substr(0, end);
    markup.remove_prefix(end);
  }
  return out;
}

}  // namespace vorla::sim

#include "documents/rtf/PlainText.h"

#include <algorithm>

#include "common/CodePages.h"
#include "common/Windows1252.h"
#include "documents/rtf/RtfCodePages.h"

namespace vorla {

namespace {

constexpr std::string_view kObjectReplacement = "\xEF\xBF\xBC";  // U+FFFC

struct TextForm {
  std::string_view paragraphBreak;
  std::string_view lineBreak;
  std::string_view object;
};

std::string Flatten(const RichDocument& document, const TextForm& form, StreamEncoding encoding) {
  std::string text;
  for (std::size_t i = 0; i < document.paragraphs.size(); ++i) {
    if (i > 0) text += form.paragraphBreak;
    for (const InlineItem& item : document.paragraphs[i].items) {
      const auto* run = std::get_if<TextRun>(&item);
      if (!run) {
        text += form.object;
        continue;
      }
      for (const char c : run->text) {
        if (c == kLineBreakCharacter) {
          text += form.lineBreak;
        } else {
          text.push_back(c);
        }
      }
    }
  }
  return encoding == StreamEncoding::Utf8 ? text : Utf8ToCp1252(text);
}

}  // namespace

std::string PaneText(const RichDocument& document, StreamEncoding encoding) {
  return Flatten(document, {"\n", "\v", kObjectReplacement}, encoding);
}

std::string FileText(const RichDocument& document, StreamEncoding encoding) {
  return Flatten(document, {"\r\n", "\r\n", ""}, encoding);
}

RichDocument DocumentFromPlainText(std::string_view text, StreamEncoding encoding) {
  const std::string utf8 =
      DecodeCodePage(text, encoding == StreamEncoding::Utf8 ? kCodePageUtf8 : kCodePageWindows1252);
  RichDocument document;
  std::string_view rest = utf8;
  while (true) {
    const std::size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
    document.paragraphs.StartParagraph();
    document.paragraphs.AppendText({}, rest.substr(0, end));
    if (end == rest.size()) break;
    rest.remove_prefix(rest.substr(end).starts_with("\r\n") ? end + 2 : end + 1);
  }
  return document;
}

}  // namespace vorla

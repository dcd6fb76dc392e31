#include "translation/PaneSource.h"

#include <algorithm>
#include <variant>

#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfReader.h"
#include "documents/rtf/RtfWriter.h"
#include "translation/DocumentFormat.h"
#include "translation/SingleWord.h"
#include "translation/SourcePane.h"

namespace vorla {

namespace {

constexpr std::size_t kShortTextCharacters = 200;
// A character takes at most four bytes in UTF-8.
constexpr std::size_t kShortTextBytes = 4 * kShortTextCharacters;

// An upper bound of the characters of a document's text: its UTF-8 bytes, one for each
// object and one for each paragraph break.
std::size_t TextBytes(const RichDocument& document) {
  std::size_t bytes = 0;
  for (const Paragraph& paragraph : document.paragraphs) {
    ++bytes;
    for (const InlineItem& item : paragraph.items) {
      const auto* run = std::get_if<TextRun>(&item);
      bytes += run ? run->text.size() : 1;
    }
  }
  return bytes;
}

// The text of a document of under 200 characters, in Windows-1252 as the pane reads it for
// a lookup; nothing for a longer one.
std::optional<std::string> ShortText(const RichDocument& document) {
  if (TextBytes(document) >= kShortTextBytes) return std::nullopt;
  std::string text = PaneText(document, StreamEncoding::Windows1252);
  if (text.size() >= kShortTextCharacters) return std::nullopt;
  return text;
}

bool HoldsObjects(const RichDocument& document) {
  return std::ranges::any_of(document.paragraphs, [](const Paragraph& paragraph) {
    return std::ranges::any_of(paragraph.items, [](const InlineItem& item) {
      return std::holds_alternative<EmbeddedObject>(item);
    });
  });
}

// Clears the link formatting of every run; true when there was any.
bool ClearLinks(RichDocument& document) {
  bool found = false;
  document.paragraphs.Edit([&found](Paragraph& paragraph) {
    for (InlineItem& item : paragraph.items) {
      auto* run = std::get_if<TextRun>(&item);
      if (!run || run->format.linkTarget.empty()) continue;
      run->format.linkTarget.clear();
      found = true;
    }
  });
  return found;
}

}  // namespace

PaneSource TakePaneSource(SourcePane& pane, int format, StreamEncoding encoding, bool lookup) {
  PaneSource source;
  source.selection = pane.HasSelection();
  RichDocument content = pane.Content(source.selection);
  if (lookup) {
    if (std::optional<std::string> word = ShortText(content); word && IsSingleWord(*word)) {
      source.bytes = std::move(*word);
      source.format = kFormatTxt;
      source.dictionaryLookup = true;
      return source;
    }
  }
  source.format = format;
  if (format != kFormatRtf) {
    source.bytes = FileText(content, encoding);
    return source;
  }
  if (HoldsObjects(content)) pane.RemoveObjects();
  if (ClearLinks(content)) pane.RemoveLinkFormatting();
  source.bytes = RtfWriter({encoding, false}).Write(content);
  return source;
}

std::optional<std::string> ClipboardLookupWord(std::string_view text, int format) {
  std::string plain = format == kFormatRtf
                          ? FileText(RtfReader().Read(text), StreamEncoding::Windows1252)
                          : std::string(text);
  if (!IsSingleWord(plain)) return std::nullopt;
  return plain;
}

}  // namespace vorla

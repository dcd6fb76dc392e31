#include "documents/rtf/DocumentTruncation.h"

#include <variant>

#include "common/Utf8.h"

namespace vorla {

namespace {

// Cuts UTF-8 text after `room` characters; returns how many it holds.
std::size_t TruncateText(std::string& text, std::size_t room) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsUtf8ContinuationByte(text[i])) continue;
    if (characters == room) {
      text.resize(i);
      break;
    }
    ++characters;
  }
  return characters;
}

}  // namespace

void TruncateDocument(RichDocument& document, std::size_t maxCharacters) {
  ParagraphList kept;
  std::size_t used = 0;
  for (Paragraph paragraph : document.paragraphs) {
    if (!kept.empty() && used++ == maxCharacters) break;
    std::vector<InlineItem>& items = paragraph.items;
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (used == maxCharacters) {
        items.resize(i);
        break;
      }
      if (auto* run = std::get_if<TextRun>(&items[i])) {
        used += TruncateText(run->text, maxCharacters - used);
      } else {
        ++used;
      }
    }
    kept.push_back(paragraph);
  }
  document.paragraphs = std::move(kept);
}

}  // namespace vorla

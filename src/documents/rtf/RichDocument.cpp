#include "documents/rtf/RichDocument.h"

namespace vorla {

void Paragraph::AppendText(const CharacterFormat& runFormat, std::string_view text) {
  if (text.empty()) return;
  if (!items.empty()) {
    if (auto* run = std::get_if<TextRun>(&items.back()); run && run->format == runFormat) {
      run->text.append(text);
      return;
    }
  }
  items.emplace_back(TextRun{runFormat, std::string(text)});
}

}  // namespace vorla

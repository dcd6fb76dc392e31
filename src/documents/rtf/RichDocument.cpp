#include "documents/rtf/RichDocument.h"

#include <algorithm>
#include <iterator>

namespace vorla {

namespace {

bool IsText(char c) {
  return IsDocumentCharacter(static_cast<unsigned char>(c));
}

}  // namespace

void AppendDocumentText(std::string& out, std::string_view text) {
  std::ranges::copy_if(text, std::back_inserter(out), IsText);
}

void Paragraph::AppendText(const CharacterFormat& runFormat, std::string_view text) {
  if (std::ranges::none_of(text, IsText)) return;
  auto* run = items.empty() ? nullptr : std::get_if<TextRun>(&items.back());
  if (!run || run->format != runFormat) {
    run = &std::get<TextRun>(items.emplace_back(TextRun{runFormat, {}}));
  }
  AppendDocumentText(run->text, text);
}

}  // namespace vorla

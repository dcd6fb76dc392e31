#include "documents/rtf/RtfTables.h"

#include <algorithm>

#include "common/Utf8.h"
#include "documents/rtf/RtfCodePages.h"

namespace vorla {

void RtfFontTable::BeginEntry(std::int32_t number) {
  if (fonts_.size() >= kMaxFonts && !fonts_.contains(number)) {
    entry_.reset();
    return;
  }
  entry_ = number;
  fonts_[number] = RtfFont{};
}

void RtfFontTable::SetCharset(std::int32_t charset) {
  if (RtfFont* font = Entry(); font && font->codePage == 0) {
    font->codePage = CodePageOfRtfCharset(charset);
  }
}

void RtfFontTable::SetCodePage(std::int32_t codePage) {
  if (RtfFont* font = Entry(); font && codePage > 0) font->codePage = codePage;
}

void RtfFontTable::AddNameText(std::string_view text) {
  RtfFont* font = Entry();
  if (!font || font->nameComplete) return;
  const std::size_t end = text.find(';');
  font->name.append(Utf8Prefix(text.substr(0, end), kMaxFontNameBytes - font->name.size()));
  const std::string_view name = font->name;
  font->family = name.substr(0, name.find_last_not_of(' ') + 1);
  if (end == std::string_view::npos) return;
  font->nameComplete = true;
}

const RtfFont* RtfFontTable::Find(std::int32_t number) const {
  const auto found = fonts_.find(number);
  return found == fonts_.end() ? nullptr : &found->second;
}

int RtfFontTable::EntryCodePage() const {
  const RtfFont* font = entry_ ? Find(*entry_) : nullptr;
  // A symbol font's name is written in letters, not in its symbols.
  return font && font->codePage != kCodePageSymbol ? font->codePage : 0;
}

RtfFont* RtfFontTable::Entry() {
  if (!entry_) return nullptr;
  const auto found = fonts_.find(*entry_);
  return found == fonts_.end() ? nullptr : &found->second;
}

void RtfColorTable::AddText(std::string_view text) {
  for (std::size_t n = std::ranges::count(text, ';'); n > 0 && colors_.size() < kMaxColors; --n) {
    colors_.push_back(entryHasComponents_ ? std::optional(entry_) : std::nullopt);
    entry_ = {};
    entryHasComponents_ = false;
  }
}

std::optional<RgbColor> RtfColorTable::Find(std::int32_t index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= colors_.size()) return std::nullopt;
  return colors_[static_cast<std::size_t>(index)];
}

void RtfColorTable::SetComponent(int component, std::int32_t value) {
  std::uint8_t RgbColor::*const kComponents[] = {&RgbColor::red, &RgbColor::green, &RgbColor::blue};
  entry_.*kComponents[component] = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
  entryHasComponents_ = true;
}

}  // namespace vorla

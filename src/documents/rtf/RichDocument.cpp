#include "documents/rtf/RichDocument.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <stdexcept>

namespace vorla {

namespace {

bool IsText(char c) {
  return IsDocumentCharacter(static_cast<unsigned char>(c));
}

void Combine(std::size_t& seed, std::size_t value) {
  seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

// Offsets into a buffer are 32 bits: no document the program reads comes near 4 GiB.
std::uint32_t Offset(std::size_t size) {
  if (size > UINT32_MAX) throw std::length_error("document too large");
  return static_cast<std::uint32_t>(size);
}

// A name or link is hashed by its length and its first bytes only, so that a run changing
// format costs no pass over a long name; names that share a beginning are told apart by the
// comparison.
std::size_t NameHash(const SharedText& name) {
  constexpr std::size_t kHashedBytes = 32;
  const std::string& text = name.str();
  std::size_t seed = std::hash<std::string_view>{}(std::string_view(text).substr(0, kHashedBytes));
  Combine(seed, text.size());
  return seed;
}

}  // namespace

void AppendDocumentText(std::string& out, std::string_view text) {
  std::ranges::copy_if(text, std::back_inserter(out), IsText);
}

std::size_t CharacterFormatHash::operator()(const CharacterFormat& format) const {
  std::size_t seed = NameHash(format.fontFamily);
  Combine(seed, NameHash(format.linkTarget));
  Combine(seed, static_cast<std::size_t>(format.fontSizeHalfPoints));
  Combine(seed, (format.bold ? 1u : 0u) | (format.italic ? 2u : 0u) | (format.underline ? 4u : 0u) |
                    (format.strikeOut ? 8u : 0u) |
                    (static_cast<unsigned>(format.verticalPosition) << 4));
  if (format.color) {
    Combine(seed,
            1u << 24 | format.color->red << 16 | format.color->green << 8 | format.color->blue);
  }
  return seed;
}

std::size_t ParagraphFormatHash::operator()(const ParagraphFormat& format) const {
  std::size_t seed = static_cast<std::size_t>(format.alignment);
  for (const int distance : {format.leftIndent, format.rightIndent, format.firstLineIndent,
                             format.spaceBefore, format.spaceAfter}) {
    Combine(seed, static_cast<std::size_t>(distance));
  }
  return seed;
}

void Paragraph::AppendText(const CharacterFormat& runFormat, std::string_view text) {
  if (std::ranges::none_of(text, IsText)) return;
  auto* run = items.empty() ? nullptr : std::get_if<TextRun>(&items.back());
  if (!run || run->format != runFormat) {
    run = &std::get<TextRun>(items.emplace_back(TextRun{runFormat, {}}));
  }
  AppendDocumentText(run->text, text);
}

ParagraphList::ParagraphList(std::initializer_list<Paragraph> paragraphs) {
  for (const Paragraph& paragraph : paragraphs)
    push_back(paragraph);
}

ParagraphList::ParagraphList(const std::vector<Paragraph>& paragraphs) {
  for (const Paragraph& paragraph : paragraphs)
    push_back(paragraph);
}

std::size_t ParagraphList::EndItem(std::size_t paragraph) const {
  return paragraph + 1 < paragraphs_.size() ? paragraphs_[paragraph + 1].firstItem : items_.size();
}

Paragraph ParagraphList::operator[](std::size_t index) const {
  const StoredParagraph& stored = paragraphs_[index];
  Paragraph paragraph{paragraphFormats_[stored.format], {}};
  const std::size_t end = EndItem(index);
  paragraph.items.reserve(end - stored.firstItem);
  for (std::size_t i = stored.firstItem; i < end; ++i) {
    const Item& item = items_[i];
    if (item.isObject) {
      paragraph.items.emplace_back(EmbeddedObject{static_cast<ObjectKind>(item.format),
                                                  objects_.substr(item.start, item.length)});
    } else {
      paragraph.items.emplace_back(
          TextRun{characterFormats_[item.format], text_.substr(item.start, item.length)});
    }
  }
  return paragraph;
}

Paragraph ParagraphList::at(std::size_t index) const {
  if (index >= size()) throw std::out_of_range("no such paragraph");
  return (*this)[index];
}

void ParagraphList::push_back(const Paragraph& paragraph) {
  StartParagraph();
  SetLastFormat(paragraph.format);
  for (const InlineItem& item : paragraph.items) {
    if (const auto* run = std::get_if<TextRun>(&item)) {
      // Runs handed in are kept as they are, even next to a run of the same format.
      items_.push_back({Offset(text_.size()), Offset(run->text.size()),
                        characterFormats_.Intern(run->format), 0});
      text_.append(run->text);
    } else {
      const auto& object = std::get<EmbeddedObject>(item);
      AppendObject(object.kind, object.rtf);
    }
  }
}

void ParagraphList::Edit(const std::function<void(Paragraph&)>& edit) {
  ParagraphList edited;
  for (Paragraph paragraph : *this) {
    edit(paragraph);
    edited.push_back(paragraph);
  }
  *this = std::move(edited);
}

void ParagraphList::StartParagraph() {
  paragraphs_.push_back({Offset(items_.size()), paragraphFormats_.Intern({})});
}

void ParagraphList::SetLastFormat(const ParagraphFormat& format) {
  std::uint32_t& stored = paragraphs_.back().format;
  if (paragraphFormats_[stored] != format) stored = paragraphFormats_.Intern(format);
}

void ParagraphList::AppendText(const CharacterFormat& format, std::string_view text) {
  if (std::ranges::none_of(text, IsText)) return;
  const bool lastIsRun = items_.size() > paragraphs_.back().firstItem && !items_.back().isObject;
  // Most text comes in the format of the run before it: no look-up in the table then.
  const bool extends = lastIsRun && characterFormats_[items_.back().format] == format;
  // Text is only ever appended at the end of the buffer, so the last run ends where it does.
  if (!extends) items_.push_back({Offset(text_.size()), 0, characterFormats_.Intern(format), 0});
  AppendDocumentText(text_, text);
  items_.back().length = Offset(text_.size() - items_.back().start);
}

void ParagraphList::AppendObject(ObjectKind kind, std::string_view rtf) {
  items_.push_back(
      {Offset(objects_.size()), Offset(rtf.size()), static_cast<std::uint32_t>(kind), 1});
  objects_.append(rtf);
}

bool operator==(const ParagraphList& a, const ParagraphList& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

}  // namespace vorla

#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "documents/rtf/InternTable.h"
#include "documents/rtf/SharedText.h"

namespace vorla {

// What a text pane holds: paragraphs of formatted runs, with pictures and other embedded
// objects kept as opaque items. Text is UTF-8. Inside a run's text a tab is '\t' and a line
// break within the paragraph is '\v'; no other control character occurs. Paragraph breaks
// are the boundaries between paragraphs.
inline constexpr char kTabCharacter = '\t';
inline constexpr char kLineBreakCharacter = '\v';

// Whether a character may stand in a document's text: no control character but tab and
// line break.
constexpr bool IsDocumentCharacter(char32_t c) {
  return c >= 0x20 || c == kTabCharacter || c == kLineBreakCharacter;
}

// Appends text without the control characters a document does not hold.
void AppendDocumentText(std::string& out, std::string_view text);

struct RgbColor {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

enum class VerticalPosition : std::uint8_t { Baseline, Superscript, Subscript };

// The font name and the link target are shared by the runs that use them, so that a
// document's size grows with its text and not with its names times its runs.
struct CharacterFormat {
  SharedText fontFamily{};     // empty: the pane's font
  int fontSizeHalfPoints = 0;  // 0: the pane's size
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::optional<RgbColor> color{};  // none: the automatic text colour
  VerticalPosition verticalPosition = VerticalPosition::Baseline;
  SharedText linkTarget{};  // empty: not a link
  friend bool operator==(const CharacterFormat&, const CharacterFormat&) = default;
};

struct CharacterFormatHash {
  std::size_t operator()(const CharacterFormat& format) const;
};

enum class ParagraphAlignment : std::uint8_t { Left, Right, Center, Justify };

// Distances in twips (1/1440 inch); the first-line indent is relative to the left indent.
struct ParagraphFormat {
  ParagraphAlignment alignment = ParagraphAlignment::Left;
  int leftIndent = 0;
  int rightIndent = 0;
  int firstLineIndent = 0;
  int spaceBefore = 0;
  int spaceAfter = 0;
  friend bool operator==(const ParagraphFormat&, const ParagraphFormat&) = default;
};

struct ParagraphFormatHash {
  std::size_t operator()(const ParagraphFormat& format) const;
};

struct TextRun {
  CharacterFormat format{};
  std::string text{};
  friend bool operator==(const TextRun&, const TextRun&) = default;
};

enum class ObjectKind : std::uint8_t { Picture, Object };

// A picture or an embedded object, kept as its RTF group (braces included) so that it can be
// written out again unchanged or left out.
struct EmbeddedObject {
  ObjectKind kind = ObjectKind::Picture;
  std::string rtf{};
  friend bool operator==(const EmbeddedObject&, const EmbeddedObject&) = default;
};

using InlineItem = std::variant<TextRun, EmbeddedObject>;

// One paragraph as a value of its own, as the document hands it out and takes it in.
struct Paragraph {
  ParagraphFormat format{};
  std::vector<InlineItem> items{};

  // Appends text in the given format, extending the last run when its format is the same.
  // Control characters other than tab and line break are left out.
  void AppendText(const CharacterFormat& runFormat, std::string_view text);
  friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

// The paragraphs of a document, stored compactly: all text in one buffer, the objects' RTF
// in another, each run or object a small item pointing into them, and every character and
// paragraph format once in a table. A document of tiny pieces (one-character runs, empty
// paragraphs) so needs a few bytes per piece. Reading hands out each paragraph as a value.
class ParagraphList {
 public:
  class Iterator {
   public:
    using value_type = Paragraph;
    using difference_type = std::ptrdiff_t;
    Iterator() = default;
    Iterator(const ParagraphList* list, std::size_t index) : list_(list), index_(index) {}
    Paragraph operator*() const { return (*list_)[index_]; }
    Iterator& operator++() {
      ++index_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++index_;
      return before;
    }
    friend bool operator==(const Iterator&, const Iterator&) = default;

   private:
    const ParagraphList* list_ = nullptr;
    std::size_t index_ = 0;
  };

  ParagraphList() = default;
  ParagraphList(std::initializer_list<Paragraph> paragraphs);
  ParagraphList(const std::vector<Paragraph>& paragraphs);

  std::size_t size() const { return paragraphs_.size(); }
  bool empty() const { return paragraphs_.empty(); }
  Paragraph operator[](std::size_t index) const;
  Paragraph at(std::size_t index) const;
  Paragraph back() const { return (*this)[size() - 1]; }
  Iterator begin() const { return {this, 0}; }
  Iterator end() const { return {this, size()}; }

  void push_back(const Paragraph& paragraph);
  // Changes every paragraph: each is handed to `edit` as a value and stored again.
  void Edit(const std::function<void(Paragraph&)>& edit);

  // Building the document from its end, as a reader does: a new empty paragraph, the format
  // of the last one, and text or an object appended to the last one.
  void StartParagraph();
  void SetLastFormat(const ParagraphFormat& format);
  // Extends the last run when its format is the same; control characters other than tab and
  // line break are left out.
  void AppendText(const CharacterFormat& format, std::string_view text);
  void AppendObject(ObjectKind kind, std::string_view rtf);

  friend bool operator==(const ParagraphList& a, const ParagraphList& b);

 private:
  // A run (text_[start, start + length) in characterFormats_[format]) or an object
  // (objects_[start, start + length) of kind `format`).
  struct Item {
    std::uint32_t start = 0;
    std::uint32_t length = 0;
    std::uint32_t format : 31 = 0;
    std::uint32_t isObject : 1 = 0;
  };
  struct StoredParagraph {
    std::uint32_t firstItem = 0;
    std::uint32_t format = 0;
  };

  std::size_t EndItem(std::size_t paragraph) const;

  std::string text_;
  std::string objects_;
  std::vector<Item> items_;
  std::vector<StoredParagraph> paragraphs_;
  InternTable<CharacterFormat, CharacterFormatHash> characterFormats_;
  InternTable<ParagraphFormat, ParagraphFormatHash> paragraphFormats_;
};

struct RichDocument {
  ParagraphList paragraphs{};
  friend bool operator==(const RichDocument&, const RichDocument&) = default;
};

}  // namespace vorla

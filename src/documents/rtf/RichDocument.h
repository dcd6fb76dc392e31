#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

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

struct Paragraph {
  ParagraphFormat format{};
  std::vector<InlineItem> items{};

  // Appends text in the given format, extending the last run when its format is the same.
  // Control characters other than tab and line break are left out.
  void AppendText(const CharacterFormat& runFormat, std::string_view text);
  friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

struct RichDocument {
  std::vector<Paragraph> paragraphs{};
  friend bool operator==(const RichDocument&, const RichDocument&) = default;
};

}  // namespace vorla

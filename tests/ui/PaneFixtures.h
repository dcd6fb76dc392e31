#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "documents/rtf/RichDocument.h"
#include "documents/rtf/RtfWriter.h"

namespace vorla {

// A failing comparison shows documents as the RTF we write for them.
inline void PrintTo(const RichDocument& document, std::ostream* out) {
  *out << RtfWriter().Write(document);
}

inline void PrintTo(const Paragraph& paragraph, std::ostream* out) {
  PrintTo(RichDocument{{paragraph}}, out);
}

}  // namespace vorla

namespace vorla::test {

// A PNG picture of 2 x 1 pixels, red and blue, as the hexadecimal data of a \pict group.
inline constexpr std::string_view kPngHex =
    "89504e470d0a1a0a0000000d49484452000000020000000108020000007b40e8dd"
    "0000000d49444154789c63f8cf0004ff01070001ffe2239e590000000049454e44ae426082";

inline std::string PngPictureRtf() {
  return "{\\pict\\pngblip\\picw2\\pich1\\picwgoal300\\pichgoal150 " + std::string(kPngHex) + "}";
}

inline TextRun RunOf(std::string text, CharacterFormat format = {}) {
  return TextRun{std::move(format), std::move(text)};
}

inline Paragraph Para(std::vector<InlineItem> items, ParagraphFormat format = {}) {
  return Paragraph{format, std::move(items)};
}

}  // namespace vorla::test

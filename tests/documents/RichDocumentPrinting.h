#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

#include "documents/rtf/PlainText.h"
#include "documents/rtf/RichDocument.h"
#include "documents/rtf/RtfReader.h"
#include "documents/rtf/RtfWriter.h"

namespace vorla {

inline void PrintTo(const SharedText& text, std::ostream* out) {
  *out << '"' << text.str() << '"';
}

// A failing comparison shows documents as the RTF we write for them.
inline void PrintTo(const RichDocument& document, std::ostream* out) {
  *out << RtfWriter().Write(document);
}

inline std::string PaneTextOf(std::string_view rtf, RtfReadOptions options = {}) {
  return PaneText(RtfReader(options).Read(rtf), StreamEncoding::Utf8);
}

// The first run whose text is exactly `text`, if any.
inline std::optional<TextRun> FindRun(const RichDocument& document, std::string_view text) {
  for (const Paragraph& paragraph : document.paragraphs) {
    for (const InlineItem& item : paragraph.items) {
      const auto* run = std::get_if<TextRun>(&item);
      if (run && run->text == text) return *run;
    }
  }
  return std::nullopt;
}

}  // namespace vorla

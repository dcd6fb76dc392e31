#include "translation/ClipboardText.h"

#include <string_view>
#include <utility>

#include "common/Windows1252.h"
#include "documents/rtf/DocumentTruncation.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfReader.h"
#include "documents/rtf/RtfWriter.h"
#include "translation/Clipboard.h"

namespace vorla {

namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
constexpr std::string_view kBlanks = "\t\n\r ";
// The hidden pane that turns plain text into RTF holds this much.
constexpr std::size_t kPlainTextLimit = 512'000'000;

StreamEncoding EncodingFor(const ClipboardReadOptions& options) {
  return options.furtherPair ? StreamEncoding::Utf8 : StreamEncoding::Windows1252;
}

// The length of the blank (tab, line end, blank or no-break space) at the front or the back
// of the text; 0 when there is none.
std::size_t BlankLength(std::string_view text, bool atFront) {
  if (atFront ? text.starts_with(kNoBreakSpace) : text.ends_with(kNoBreakSpace)) {
    return kNoBreakSpace.size();
  }
  if (text.empty()) return 0;
  return kBlanks.find(atFront ? text.front() : text.back()) != std::string_view::npos ? 1 : 0;
}

std::string_view TrimBlanks(std::string_view text) {
  while (const std::size_t cut = BlankLength(text, true))
    text.remove_prefix(cut);
  while (const std::size_t cut = BlankLength(text, false))
    text.remove_suffix(cut);
  return text;
}

// The RTF as the panes write it, without pictures and objects.
std::string PlainRtf(RichDocument document, std::size_t limit,
                     const ClipboardReadOptions& options) {
  TruncateDocument(document, limit);
  return RtfWriter({.encoding = EncodingFor(options), .withObjects = false}).Write(document);
}

}  // namespace

std::optional<ClipboardText> GetClipboardText(Clipboard& clipboard,
                                              const ClipboardReadOptions& options) {
  if (!options.autoRemoveFormatting) {
    if (std::optional<std::string> rtf = clipboard.GetRtf()) {
      RichDocument document =
          RtfReader({.keepObjects = false, .maxCharacters = options.maxCharacters}).Read(*rtf);
      return ClipboardText{PlainRtf(std::move(document), options.maxCharacters, options),
                           kFormatRtf};
    }
  }
  const std::optional<std::string> text = clipboard.GetText();
  if (!text) return std::nullopt;
  const std::string_view trimmed = TrimBlanks(*text);
  if (trimmed.empty()) return std::nullopt;
  if (options.furtherPair) {
    // Folding to Windows-1252 would turn Cyrillic, Greek or Chinese into blanks.
    RichDocument document = DocumentFromPlainText(trimmed, StreamEncoding::Utf8);
    return ClipboardText{PlainRtf(std::move(document), kPlainTextLimit, options), kFormatRtf};
  }
  return ClipboardText{Utf8ToCp1252(trimmed, ' '), kFormatTxt};
}

}  // namespace vorla

#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "translation/DocumentFormat.h"

namespace vorla {

class Clipboard;

// Clipboard text as it is sent: plain text (format 1, Windows-1252) or RTF (format 2).
struct ClipboardText {
  std::string bytes;
  int format = kFormatTxt;
  friend bool operator==(const ClipboardText&, const ClipboardText&) = default;
};

struct ClipboardReadOptions {
  // "AutoRemoveFormatting": RTF on the clipboard is read as its plain text.
  bool autoRemoveFormatting = false;
  // A further-language pair: its jobs send Unicode, so the text is taken as UTF-8 RTF.
  bool furtherPair = false;
  // The most characters of RTF kept ("max_translation_len").
  std::size_t maxCharacters = 100'000'000;
};

// The clipboard's text as a clipboard translation takes it. RTF (unless formatting is to be
// removed) comes back as RTF without pictures and objects. Plain text loses its leading and
// trailing tabs, line ends, blanks and no-break spaces; for a pair of the local family it is
// folded to Windows-1252 (characters without an equivalent becoming blanks), for a
// further-language pair it keeps every character as UTF-8 RTF. Nothing when the clipboard
// holds no text or nothing but those blanks.
std::optional<ClipboardText> GetClipboardText(Clipboard& clipboard,
                                              const ClipboardReadOptions& options);

}  // namespace vorla

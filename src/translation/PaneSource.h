#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "documents/rtf/StreamEncoding.h"

namespace vorla {

class SourcePane;

// The source of a job as the Translate command takes it from the source pane.
struct PaneSource {
  std::string bytes;
  int format = 0;
  bool selection = false;
  bool dictionaryLookup = false;
};

// Takes the selection (or the whole pane) in the given format (1 text, 2 RTF) and encoding.
// With lookup (the "Show dictionary results" preference, on a pair of the local family) a
// single word of under 200 characters becomes a dictionary lookup in plain text instead.
// RTF is sent without pictures and objects and without link formatting, and the pane drops
// them as well.
PaneSource TakePaneSource(SourcePane& pane, int format, StreamEncoding encoding, bool lookup);

// Clipboard text (1 text, 2 RTF) as a dictionary lookup: its plain text when that is a single
// word; nothing otherwise.
std::optional<std::string> ClipboardLookupWord(std::string_view text, int format);

}  // namespace vorla

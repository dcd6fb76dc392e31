#pragma once

#include <cstddef>
#include <limits>
#include <string_view>

#include "documents/rtf/RichDocument.h"

namespace vorla {

struct RtfReadOptions {
  // Pictures and embedded objects become opaque items; without this they are left out.
  bool keepObjects = true;
  // The code page of raw 8-bit text when the stream comes in one (65001 for the
  // further-language jobs); 0 reads it in the code page of its font, as the document declares.
  int streamCodePage = 0;
  // The text limit of the pane the document goes to, in characters as the panes count them
  // (TruncateDocument): what lies beyond it is not kept, and reading ends at the paragraph
  // where it is reached.
  std::size_t maxCharacters = std::numeric_limits<std::size_t>::max();
};

// Reads RTF into a document. Every input gives a document: what is not understood is left
// out, a truncated stream gives what was read, and nothing depends on the input for more
// memory than its own size allows.
class RtfReader {
 public:
  explicit RtfReader(RtfReadOptions options = {}) : options_(options) {}

  RichDocument Read(std::string_view rtf) const;

 private:
  RtfReadOptions options_;
};

}  // namespace vorla

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla {

// What ConvertFromWord gives back.
enum class WordResult {
  kRtf,        // the document as RTF, for a pane that keeps formatting
  kUtf16Text,  // plain text as UTF-16 little-endian bytes, for a pane without formatting
};

// Converts Word documents (format 4, .doc, and 13, .docx) to and from the panes' RTF. The
// desktop client gets one from the platform and keeps it for the run; calls may come from
// any thread and are served one at a time.
class WordConverter {
 public:
  virtual ~WordConverter() = default;

  // "Word is available" and "saving through Word is possible" both mean this: the converter
  // program was found. Looked up once and kept for the run.
  virtual bool IsAvailable() = 0;

  // The document's bytes converted as wanted; nothing when the conversion fails, the format
  // is neither 4 nor 13, or the converter is not available.
  virtual std::optional<std::string> ConvertFromWord(std::string_view document, int format,
                                                     WordResult wanted) = 0;

  // The RTF turned into a document of format 4 or 13; nothing on failure.
  virtual std::optional<std::string> ConvertToWord(std::string_view rtf, int format) = 0;
};

}  // namespace vorla

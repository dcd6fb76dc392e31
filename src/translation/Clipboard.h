#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla {

// The system clipboard as clipboard translation uses it. The desktop client reads and
// writes the platform's clipboard; tests keep the contents in memory. Called on the window
// thread, which is the only one that may touch the clipboard.
class Clipboard {
 public:
  virtual ~Clipboard() = default;

  // The "Rich Text Format" contents, up to their first zero byte; nothing without RTF.
  virtual std::optional<std::string> GetRtf() = 0;
  // The text contents as UTF-8; nothing without text.
  virtual std::optional<std::string> GetText() = 0;

  // Replace the clipboard contents. RTF comes with the code page it was written in (UTF-8
  // for the further-language families), so that the same text can go along as plain text
  // for the programs that paste no RTF.
  virtual void SetRtf(std::string_view rtf, int codePage) = 0;
  virtual void SetText(std::string_view utf8) = 0;
};

}  // namespace vorla

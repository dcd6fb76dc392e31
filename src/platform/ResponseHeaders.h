#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorla {

// The header block of an HTTP answer, fed line by line as it arrives. A new status line
// starts a new block, so after redirects and interim answers only the last one is held.
class ResponseHeaders {
 public:
  // Takes one line with or without its line end; true when the line ended the block.
  bool AddLine(std::string_view line);

  int StatusCode() const { return statusCode_; }
  // The index-th header of that name (compared without regard to case), value trimmed.
  std::optional<std::string> Find(std::string_view name, int index = 0) const;

 private:
  int statusCode_ = 0;
  std::vector<std::pair<std::string, std::string>> fields_;
};

// The character set a Content-Type value names ("text/html; charset=utf-8" gives "utf-8"):
// the text after "charset=" (in any letter case) up to the next ";". Empty when it names
// none.
std::string CharsetOf(std::string_view contentType);

}  // namespace vorla

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "documents/rtf/RichDocument.h"
#include "documents/rtf/SharedText.h"

namespace vorla {

// What the tables keep of a document, however much of it the document declares: names
// longer than this are cut, and entries beyond these counts are ignored.
inline constexpr std::size_t kMaxFontNameBytes = 255;
inline constexpr std::size_t kMaxFonts = 4096;
inline constexpr std::size_t kMaxColors = 4096;

struct RtfFont {
  std::string name;
  SharedText family;  // the name without the blanks that may stand before the ';'
  int codePage = 0;   // 0: the document's code page
  bool nameComplete = false;
};

// The fonts of \fonttbl by number. Each \fN inside the table starts an entry; its name is
// the text up to the ';'.
class RtfFontTable {
 public:
  void BeginEntry(std::int32_t number);
  void SetCharset(std::int32_t charset);
  void SetCodePage(std::int32_t codePage);
  void AddNameText(std::string_view text);

  const RtfFont* Find(std::int32_t number) const;
  // The code page of the entry being defined, for the bytes of its name.
  int EntryCodePage() const;

 private:
  RtfFont* Entry();

  std::unordered_map<std::int32_t, RtfFont> fonts_;
  std::optional<std::int32_t> entry_;
};

// The colours of \colortbl by index; an entry without components is the automatic colour.
class RtfColorTable {
 public:
  // Component 0 is red, 1 green and 2 blue.
  void SetComponent(int component, std::int32_t value);
  // Each ';' of the table's text ends an entry.
  void AddText(std::string_view text);

  std::optional<RgbColor> Find(std::int32_t index) const;

 private:
  std::vector<std::optional<RgbColor>> colors_;
  RgbColor entry_;
  bool entryHasComponents_ = false;
};

}  // namespace vorla

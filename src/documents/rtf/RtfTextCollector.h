#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorla {

// Gathers the characters of RTF text as they come (8-bit bytes in a code page, \uN code
// units, single characters) and hands them out as UTF-8. Consecutive bytes of one code page
// are decoded together so that double-byte characters split over two \'hh stay whole.
class RtfTextCollector {
 public:
  void AddBytes(std::string_view bytes, int codePage);
  // A UTF-16 code unit of \uN; a surrogate pair joins into one character, a lone half
  // becomes U+FFFD.
  void AddCodeUnit(std::uint16_t unit);
  void AddCharacter(char32_t c);

  bool Empty() const { return text_.empty() && bytes_.empty() && highSurrogate_ == 0; }
  // The text gathered so far; the collector is empty afterwards.
  std::string Take();

 private:
  void DecodeBytes();
  void DropLoneSurrogate();

  std::string text_;
  std::string bytes_;
  int bytesCodePage_ = 0;
  std::uint16_t highSurrogate_ = 0;
};

}  // namespace vorla

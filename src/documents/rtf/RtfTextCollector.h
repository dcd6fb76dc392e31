#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorla {

// Gathers the characters of RTF text as they come (8-bit bytes in a code page, \uN code
// units, single characters) and hands them out as UTF-8 without the control characters a
// document does not hold. Consecutive bytes of one code page are decoded together so that
// double-byte characters split over two \'hh stay whole.
class RtfTextCollector {
 public:
  void AddBytes(std::string_view bytes, int codePage);
  // A UTF-16 code unit of \uN; a surrogate pair joins into one character, a lone half
  // becomes U+FFFD.
  void AddCodeUnit(std::uint16_t unit);
  void AddCharacter(char32_t c);

  bool Empty() const { return text_.empty() && bytes_.empty() && highSurrogate_ == 0; }
  // The text gathered so far, valid until the next call that changes the collector.
  std::string_view Text();
  void Clear();

 private:
  void DecodeBytes();
  void DropLoneSurrogate();

  std::string text_;
  std::string bytes_;
  int bytesCodePage_ = 0;
  std::uint16_t highSurrogate_ = 0;
};

}  // namespace vorla

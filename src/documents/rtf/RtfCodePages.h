#pragma once

#include <string>
#include <string_view>

namespace vorla {

// The code pages of fonts whose bytes are not letters of the Windows code pages.
inline constexpr int kCodePageSymbol = 42;  // \fcharset2
inline constexpr int kCodePageJohab = 1361;

// The code page of an RTF font character set (\fcharsetN); 0 when the set names none, in
// which case the document's code page applies.
int CodePageOfRtfCharset(int charset);

// 8-bit text of a code page as UTF-8; bytes that do not decode become U+FFFD. Besides the
// code pages of the encoding indexes this reads the symbol font, Johab and the DOS and Mac
// code pages RTF names (\pc, \pca, \mac); a code page we cannot convert is read as
// Windows-1252.
std::string DecodeCodePage(std::string_view bytes, int codePage);

}  // namespace vorla

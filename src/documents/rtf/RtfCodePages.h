#pragma once

#include <string>
#include <string_view>

namespace vorla {

// The code page of an RTF font character set (\fcharsetN); 0 when the set names none, in
// which case the document's code page applies.
int CodePageOfRtfCharset(int charset);

// 8-bit text of a code page as UTF-8; bytes that do not decode become U+FFFD. A code page we
// cannot convert is read as Windows-1252.
std::string DecodeCodePage(std::string_view bytes, int codePage);

}  // namespace vorla

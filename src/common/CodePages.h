#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/Utf8.h"

namespace vorla {

// Encoding indexes: the small numbers by which jobs and the service name a code page.
inline constexpr int kEncodingNone = 0;  // no explicit code page
inline constexpr int kEncodingUtf8 = 1;
inline constexpr int kEncodingWindows1252 = 2;
inline constexpr int kEncodingUtf16Le = 32;
inline constexpr int kEncodingLast = 33;

inline constexpr int kCodePageWindows1252 = 1252;
inline constexpr int kCodePageUtf16Le = 1200;
inline constexpr int kCodePageUtf16Be = 1201;
inline constexpr int kCodePageUtf7 = 65000;
inline constexpr int kCodePageUtf8 = 65001;

// The code page of an encoding index: 0 for index 0 (none given), 1252 for any index
// outside 0 to 33.
int CodePageOfEncoding(int index);

// Converts text in one of the code pages of the encoding indexes to UTF-8. A byte sequence
// that is invalid or has no character becomes `replacement`. Nothing for an unknown code page.
std::optional<std::string> CodePageToUtf8(int codePage, std::string_view bytes,
                                          char32_t replacement = kReplacementCharacter);
// Converts UTF-8 text to one of those code pages. A character the code page cannot hold,
// and an invalid UTF-8 sequence, becomes `replacement` (an ASCII character). Nothing for an
// unknown code page.
std::optional<std::string> Utf8ToCodePage(int codePage, std::string_view utf8,
                                          char replacement = '?');
// Converts text in the character set of ICU's converter `converterName` to UTF-8, each byte
// sequence without a character becoming `replacement`. Nothing when ICU has no such converter.
std::optional<std::string> ConverterToUtf8(const char* converterName, std::string_view bytes,
                                           char32_t replacement = kReplacementCharacter);

// Source text after its byte-order mark has been dealt with.
struct UnmarkedText {
  std::string bytes;
  // A mark was found and the bytes are now UTF-8 (encoding index 1 for source and result).
  bool utf8 = false;
};

// The text of a file or of the clipboard as it is to be sent: a UTF-8 mark is removed, and
// UTF-16 of either byte order (by its mark) is converted to UTF-8 without the mark. Text
// without a mark is returned unchanged.
UnmarkedText RemoveByteOrderMark(std::string bytes);

// Whether text bytes without a byte-order mark are UTF-8 rather than Windows-1252: a
// continuation byte after an ASCII byte or a broken sequence says no; a sequence that cannot
// be Windows-1252 letters says yes at once; sequences that could be either count as evidence
// only when they spell characters that Windows-1252 text rarely holds.
bool LooksLikeUtf8(std::string_view bytes);

}  // namespace vorla

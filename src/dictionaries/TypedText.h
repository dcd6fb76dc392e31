#pragma once

#include <string>
#include <string_view>

#include "dictionaries/TextSide.h"

namespace vorla {

enum class TypedTextResult { Converted = 0, IllegalChar = 2, TooLong = 5 };

struct TypedText {
  TypedTextResult result = TypedTextResult::Converted;
  std::string bytes;       // Windows-1252
  char32_t offending = 0;  // the character that stopped the conversion
};

// Text typed in a dialog or given on the command line (UTF-8) as Windows-1252 bytes, at most
// 398 of them. Soft hyphen, word joiner and U+FEFF are dropped; figure space and narrow
// no-break space become spaces (a no-break space in a translation); a non-breaking hyphen
// becomes '-' in a source and "&#8209;" in a translation. Any other character without a
// Windows-1252 byte (U+0080 to U+009F and invalid UTF-8 included) stops the conversion.
TypedText ConvertTypedText(std::string_view utf8, TextSide side);

// A stored text as an entry dialog shows it (UTF-8): a numeric character reference ("&#8209;",
// "&#x2011;", 1 to 5 digits) becomes its character unless it names NUL or a surrogate.
std::string ConvertStoredText(std::string_view bytes);

}  // namespace vorla

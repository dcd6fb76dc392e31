#pragma once

#include <string>
#include <string_view>

namespace vorla {

// Text in a font of the symbol character set (\fcharset2): its bytes stand for Greek
// letters, mathematical signs, arrows and the bullet (0xB7, U+2022), not for the letters
// of a code page. Bytes without a character become U+FFFD.
std::string DecodeSymbolFont(std::string_view bytes);

}  // namespace vorla

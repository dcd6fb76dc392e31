#pragma once

#include <string>
#include <string_view>

namespace vorla {

// Korean text in the Johab code page (1361, RTF character set 130) as UTF-8. Its Hangul
// codes are composed from the letters' numbers; its symbols and Hanja are the Wansung
// characters in another order, which ICU decodes. Bytes without a character become U+FFFD.
std::string DecodeJohab(std::string_view bytes);

}  // namespace vorla

#include "common/Bilingual.h"

namespace vorla {

std::string FormatMessage(const BilingualText& text, UiLanguage language,
                          std::string_view argument) {
  const std::string_view source = text.In(language);
  std::string out;
  out.reserve(source.size() + argument.size());
  for (std::size_t i = 0; i < source.size(); ++i) {
    if (source[i] == '@' && i + 1 < source.size() && source[i + 1] == '1') {
      out.append(argument);
      ++i;
    } else {
      out.push_back(source[i]);
    }
  }
  return out;
}

}  // namespace vorla

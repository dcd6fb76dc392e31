#pragma once

#include <QString>
#include <string_view>

#include "common/Bilingual.h"

namespace vorla {

// UTF-8 text as a widget shows it.
inline QString Utf8Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A bilingual text as a widget shows it.
inline QString UiText(const BilingualText& text, UiLanguage language) {
  return Utf8Text(text.In(language));
}

}  // namespace vorla

#pragma once

#include <QString>

#include "common/Bilingual.h"

namespace vorla {

// A bilingual text as a widget shows it.
inline QString UiText(const BilingualText& text, UiLanguage language) {
  const std::string_view shown = text.In(language);
  return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

}  // namespace vorla

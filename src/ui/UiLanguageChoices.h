#pragma once

#include "common/Bilingual.h"

namespace vorla {

// The choice of the user-interface language, as the Settings menu and the settings page
// offer it. Each language is named in both, so it can be found whichever is shown.
struct UiLanguageChoice {
  UiLanguage language;
  BilingualText text;
};

inline constexpr BilingualText kUiLanguageTitle{"User interface language", "Käyttöliittymän kieli"};

inline constexpr UiLanguageChoice kUiLanguageChoices[] = {
    {UiLanguage::English, {"English / englanti", "English / englanti"}},
    {UiLanguage::Finnish, {"Finnish / suomi", "Finnish / suomi"}},
};

}  // namespace vorla

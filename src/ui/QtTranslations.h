#pragma once

#include "common/UiLanguage.h"

namespace vorla {

// Qt's own texts (the print, font and colour dialogs, the text fields' context menus) in
// the user-interface language: Finnish installs Qt's Finnish translation from Qt's
// translations folder, English removes it. Whether Qt's texts are now in that language
// (false when the Finnish translation is not installed on the machine).
bool UseQtTranslations(UiLanguage language);

}  // namespace vorla

#pragma once

#include "common/Bilingual.h"

namespace vorla {

// The web dialog's status texts of a web job.
inline constexpr BilingualText kTranslatingWebPage{"Translating web page... please wait",
                                                   "Käännetään nettisivua... odota hetki"};
inline constexpr BilingualText kTranslatingWebDocument{
    "Translating web document... please wait",
    "Käännetään netissä olevaa asiakirjaa... odota hetki"};
inline constexpr BilingualText kWebPageOpenedInBrowser{
    "Translation done. A web browser window is opened to show the translated web page.",
    "Käännös suoritettu. Käännetty nettisivu avataan www-selaimeen."};

}  // namespace vorla

#pragma once

#include "common/Bilingual.h"

namespace vorla {

// Texts a translation job shows besides the progress texts of the request.
inline constexpr BilingualText kTranslatingPleaseWait{"Translating... please wait",
                                                      "Käännetään... odota hetki"};
inline constexpr BilingualText kTranslationCompleted{"Translation completed", "Käännös suoritettu"};
inline constexpr BilingualText kTranslationCancelled{"Translation cancelled",
                                                     "Käännös keskeytetty"};
inline constexpr BilingualText kRetryingLogin{
    "Connection to the server failed. Retrying to log in...",
    "Yhteys palvelimeen epäonnistui. Yritetään uudestaan..."};

// What the target pane shows after a result file was opened, by the result's format.
inline constexpr BilingualText kOpenedInViewer{
    "Translation done. An external viewer is launched to view the translated document.",
    "Käännös suoritettu. Käännetty asiakirja avataan ulkoiseen katseluohjelmaan."};
inline constexpr BilingualText kOpenedInPdfViewer{
    "Translation done. An external PDF viewer is launched to view the translated document.",
    "Käännös suoritettu. Käännetty asiakirja avataan ulkoiseen PDF-katseluohjelmaan."};
inline constexpr BilingualText kOpenedInCsvViewer{
    "Translation done. An external CSV viewer is launched to view the translated document.",
    "Käännös suoritettu. Käännetty asiakirja avataan ulkoiseen CSV-katseluohjelmaan."};
// When a result file cannot be created or written.
inline constexpr BilingualText kResultFileFailed{
    "Translation failed - the translation cannot be saved to a file",
    "Käännös epäonnistui - käännöstä ei voida tallentaa tiedostoon"};

}  // namespace vorla

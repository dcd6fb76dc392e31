#pragma once

#include "common/Bilingual.h"

namespace vorla {

// The texts of the result window.
inline constexpr BilingualText kClipboardWindowTitle{"Clipboard Translation",
                                                     "Leikepöydän käännös"};
inline constexpr BilingualText kResultWindowTitle{"Translation Result", "Käännöstulos"};
inline constexpr BilingualText kSourceTabText{"Source text", "Lähtöteksti"};
inline constexpr BilingualText kTranslationTabText{"Translation", "Käännös"};
inline constexpr BilingualText kPdfSourceNotShown{
    "The source PDF file cannot be displayed.",
    "Lähteenä olevan PDF-tiedoston sisältöä ei voida näyttää."};
inline constexpr BilingualText kWordSourceNotShown{
    "The source Word document cannot be shown.",
    "Lähteenä olevan Word-asiakirjan sisältöä ei voida näyttää."};

// The File menu of result windows that are not clipboard windows.
inline constexpr BilingualText kFileMenu{"File", "Tiedosto"};
inline constexpr BilingualText kSaveAsCommand{"Save as...", "Tallenna nimellä..."};
inline constexpr BilingualText kPrintCommand{"Print...", "Tulosta..."};
inline constexpr BilingualText kCloseCommand{"Close", "Sulje"};

// The context menu of the pane.
inline constexpr BilingualText kUndoCommand{"Undo", "Kumoa"};
inline constexpr BilingualText kCutCommand{"Cut", "Leikkaa"};
inline constexpr BilingualText kCopyCommand{"Copy", "Kopioi"};
inline constexpr BilingualText kPasteCommand{"Paste", "Liitä"};
inline constexpr BilingualText kDeleteCommand{"Delete", "Poista"};
inline constexpr BilingualText kSelectAllCommand{"Select all", "Valitse kaikki"};
inline constexpr BilingualText kFindCommand{"Find...", "Etsi..."};

}  // namespace vorla

#pragma once

#include "common/Bilingual.h"

namespace vorla {

// What the import and export of dictionary files tell the user ("@1": a dictionary or file
// name).
namespace exchange_message {
inline constexpr BilingualText kImported{"Dictionary '@1' imported successfully",
                                         "Sanasto '@1' ladattu tiedostosta"};
inline constexpr BilingualText kExported{"Dictionary exported to file '@1' successfully.",
                                         "Sanasto tallennettu tiedostoon '@1' onnistuneesti."};
inline constexpr BilingualText kInvalidFormat{
    "Importing dictionary failed - invalid file format!",
    "Sanastoa ei tuotu, koska tiedostoformaattia ei tueta!"};
inline constexpr BilingualText kImportedIntoNew{"File imported into a new dictionary '@1'",
                                                "Tiedosto ladattu uuteen sanastoon nimeltä '@1'"};
inline constexpr BilingualText kMerged{"The import file merged into the dictionary '@1'",
                                       "Tiedoston sisältö yhdistetty sanastoon '@1'"};
inline constexpr BilingualText kNameExists{"Dictionary with name '@1' already exists.",
                                           "Sanasto nimeltä '@1' on jo olemassa."};
}  // namespace exchange_message

}  // namespace vorla

#pragma once

#include "common/Bilingual.h"

namespace vorla {

// The texts of the file commands; "@1" stands for the argument.
inline constexpr BilingualText kLoadingFile{"Loading file '@1' ...", "Ladataan tiedostoa '@1' ..."};
inline constexpr BilingualText kLoadingFileTitle{"Loading file", "Ladataan tiedostoa"};
inline constexpr BilingualText kSavingFile{"Saving file '@1' ...",
                                           "Tallennetaan tiedostoa '@1' ..."};
inline constexpr BilingualText kSavingFileTitle{"Saving file", "Tallennetaan tiedostoa"};
inline constexpr BilingualText kSavingFileShort{"Saving file...", "Tallennetaan tiedostoa..."};
inline constexpr BilingualText kInvalidShortcut{
    "Open file failed - invalid shortcut file!",
    "Tiedoston avaaminen epäonnistui - virheellinen pikakuvaketiedosto!"};
inline constexpr BilingualText kFormatNotTranslatable{
    "File cannot be translated because its format (@1) is not supported.",
    "Tiedostoa ei voida kääntää, koska sen tiedostomuotoa (@1) ei tueta."};
inline constexpr BilingualText kFileFormatNotSupported{
    "The file format of \"@1\" is not supported.", "Tiedoston \"@1\" tyyppiä ei tueta."};
inline constexpr BilingualText kFormatNotLoadable{
    "Cannot load the file because its format (@1) is not supported.",
    "Tiedostoa ei voida avata käännösikkunaan, koska sen tiedostomuotoa (@1) ei tueta."};
inline constexpr BilingualText kFileTooBig{
    "Cannot open file \"@1\" because its size is too big.",
    "Tiedostoa \"@1\" ei voida avata, koska sen koko on liian iso."};
inline constexpr BilingualText kCannotAccessFile{
    "Cannot access file \"@1\". It may be in use by another application.",
    "Tiedostoa \"@1\" ei voida lukea. Tiedosto on mahdollisesti toisen sovelluksen käytössä."};
inline constexpr BilingualText kFileEmpty{"The selected file is empty.",
                                          "Valittu tiedosto on tyhjä."};
inline constexpr BilingualText kSourceTextLength{"Source text length: @1 characters",
                                                 "Lähtötekstin pituus: @1 merkkiä"};
inline constexpr BilingualText kCannotDisplayFile{
    "Cannot display this file in the translation window.",
    "Tätä tiedostoa ei voida näyttää käännösikkunassa."};
inline constexpr BilingualText kTranslateFileHint{
    "You can translate the file by choosing \"Action->Translate file\" from the top menu.",
    "Voit kääntää tiedoston ylävalikon kohdasta \"Toiminnot->Käännä tiedosto\"."};
inline constexpr BilingualText kFilesCannotBeDisplayed{
    "@1 files cannot be displayed in the translation window.",
    "@1-tiedostoja ei voida näyttää käännösikkunassa."};
inline constexpr BilingualText kTranslateNowQuestion{"Do you want to translate the file now?",
                                                     "Haluatko kääntää tiedoston nyt?"};
inline constexpr BilingualText kCannotSaveAs{"Cannot save as a .@1 file.",
                                             "Tallennusta ei voida tehdä .@1 tiedostoon."};
inline constexpr BilingualText kSaveFailed{
    "The target file may be in use by another application.",
    "Kohdetiedosto on mahdollisesti toisen ohjelman käytössä."};
inline constexpr BilingualText kReplaceExisting{"\"@1\" already exists. Do you want to replace it?",
                                                "\"@1\" on jo olemassa. Haluatko korvata sen?"};

}  // namespace vorla

#include "service/ProgressTexts.h"

#include <array>

#include "common/Bilingual.h"

namespace vorla {

namespace {

constexpr std::array<BilingualText, 11> kProgressTexts{{
    {"Connecting to the translation server...", "Otetaan yhteyttä käännöspalvelimeen..."},
    {"Sending translation request to the server...", "Lähetetään käännöspyyntö palvelimelle..."},
    {"Downloading translation result...", "Ladataan käännöstulos..."},
    {"Translating...", "Käännetään..."},
    {"Translating on the server...", "Käännetään palvelimella..."},
    {"Translation done", "Käännös suoritettu"},
    {"Translation failed", "Käännös epäonnistui"},
    {"Checking translation info...", "Haetaan käännöksen tiedot..."},
    {"Reading document...", "Luetaan asiakirjaa..."},
    {"Loading document...", "Ladataan asiakirjaa..."},
    {"Connection to the server failed. Reconnecting...",
     "Yhteys palvelimeen epäonnistui. Yritetään uudestaan..."},
}};

}  // namespace

std::string_view GetProgressText(ProgressText text, UiLanguage language) {
  return kProgressTexts[static_cast<std::size_t>(text)].In(language);
}

}  // namespace vorla

#include "translation/ResultCodes.h"

#include <array>

namespace vorla {

namespace {

// By code minus one; 20 and 25 have no text.
constexpr std::array<BilingualText, 33> kResultTexts = {{
    {"translation server error", "virhe käännöspalvelimella"},
    {"server connection error", "virhe yhteydessä palvelimeen"},
    {"cannot connect to the translation server", "käännöspalvelimeen ei saada yhteyttä"},
    {"error in translation process", "virhe käännöksen suorittamisessa"},
    {"the source document is invalid or cannot be accessed",
     "käännettävä asiakirja on virheellinen tai sitä ei voida lukea"},
    {"the source text is too long", "käännettävä teksti on liian pitkä"},
    {"the source document cannot be accessed or the given address is invalid",
     "annettu verkko-osoite on virheellinen tai siihen ei saada yhteyttä"},
    {"translation server error", "virhe käännöspalvelimella"},
    {"the source text is too long", "käännettävä teksti on liian pitkä"},
    {"translation interrupted", "käännöstapahtuma keskeytettiin"},
    {"translation server error", "virhe käännöspalvelimella"},
    {"the translation server is temporarily busy, try again later",
     "käännöspalvelimella on tilapäisesti ruuhkaa, yritä uudelleen myöhemmin"},
    {"translation server error", "virhe käännöspalvelimella"},
    {"translation server error", "virhe käännöspalvelimella"},
    {"you are not logged in or your session has expired",
     "käyttäjätunnistusta ei ole suoritettu tai käyttäjäistunto on vanhentunut"},
    {"the format of the source document is not supported",
     "käännettävän asiakirjan formaattia ei tueta"},
    {"server connection error", "virhe yhteydessä palvelimeen"},
    {"the PDF file is protected and its contents cannot be read",
     "käännettävä PDF-tiedosto on suojattu eikä sen sisältöä pystytä lukemaan"},
    {"translation account balance is insufficient", "käännöstilin saldo ei ole riittävä"},
    {},
    {"translation was cancelled", "käännöstapahtuma keskeytettiin"},
    {"another translation is pending", "toinen käännöstapahtuma on kesken"},
    {"no access rights to this language pair", "kielipariin ei ole käyttöoikeutta"},
    {"this feature is not available", "tämä ominaisuus ei ole käytettävissä"},
    {},
    {"the request timed out", "pyyntöä ei pystytty käsittelemään määräajassa"},
    {"the PDF file does not have text content", "PDF-tiedostossa ei ole tekstimuotoista sisältöä"},
    {"the language pair is invalid", "valittu kielipari on virheellinen"},
    {"error in translation server", "virhe käännöspalvelimella"},
    {"error in translation service", "virhe käännöspalvelussa"},
    {"PDF translator not available", "PDF-käännin ei ole saatavilla"},
    {"access to the source document denied", "pääsy käännettävään nettisivuun/asiakirjaan estetty"},
    {"the source document seems to be invalid and its contents cannot be read",
     "käännettävän asiakirjan sisällössä on ongelmia eikä sitä voida lukea"},
}};

}  // namespace

BilingualText ResultCodeText(int code) {
  if (code >= 1 && code <= static_cast<int>(kResultTexts.size())) {
    const BilingualText& text = kResultTexts[static_cast<std::size_t>(code - 1)];
    if (!text.english.empty()) return text;
  }
  return kResultTexts[kResultServerError - 1];
}

}  // namespace vorla

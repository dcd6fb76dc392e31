#include "dictionaries/DictionaryErrors.h"

#include <array>

#include "common/Bilingual.h"
#include "common/Windows1252.h"

namespace vorla {

namespace {

// Texts of the codes -1 to -22, in that order.
constexpr std::array<BilingualText, 22> kCodeTexts = {{
    {"The format of the dictionary is incorrect.", "Sanaston formaatti on virheellinen."},
    {"The name of the dictionary is already in use.", "Sanaston nimi on jo käytössä."},
    {"The dictionary has an invalid name.", "Sanaston nimi ei ole kelvollinen."},
    {"An error has occured while processing the dictionary.",
     "Sanaston käsittelyssä on tapahtunut virhe."},
    {"The dictionary file cannot be read. It may be in use by another application or removed.",
     "Sanastotiedostoa ei voida lukea. Se on mahdollisesti toisen ohjelman käytössä tai "
     "poistettu."},
    {"The name of the dictionary is already in use.", "Sanaston nimi on jo käytössä."},
    {"You already have the maximum number of user dictionaries.",
     "Sinulla on jo maksimimäärä sanastoja."},
    {"", ""},
    {"An error has occured on the translation server.",
     "Sanaston käsittelyssä palvelimella on tapahtunut virhe."},
    {"The dictionary is currently locked by another operation.",
     "Sanasto on varattu toisen operaation käyttöön."},
    {"Cannot connect to the translation server.", "Käännöspalvelimeen ei saada yhteyttä."},
    {"You are not logged in or your session has expired.",
     "Käyttäjätunnistusta ei ole suoritettu tai käyttäjäistunto on vanhentunut."},
    {"Operation failed due to a timeout error.", "Toimintoa ei pystytty suorittamaan määräajassa."},
    {"The dictionary has too many entries.", "Sanaston koko on liian iso."},
    {"The dictionary version is too old.", "Sanaston versio on liian vanha."},
    {"The dictionary has invalid language pair.", "Sanaston kielipari on virheellinen."},
    {"Error in parsing the XML file.", "XML-tiedoston luku epäonnistui."},
    {"Error in parsing the TMX file.", "TMX-tiedoston luku epäonnistui."},
    {"The translation server is temporarily busy, try again later.",
     "Käännöspalvelimella on tilapäisesti ruuhkaa, yritä uudelleen myöhemmin."},
    {"The target file may be in use by another application.",
     "Kohdetiedosto on mahdollisesti toisen ohjelman käytössä."},
    {"You don't have access rights to the language pair of the dictionary.",
     "Sinulla ei ole käyttöoikeutta sanaston kielipariin."},
    {"Cannot merge dictionaries because their types are different.",
     "Sanastoja ei voida yhdistää, koska niiden tyyppi on eri."},
}};

constexpr BilingualText kNotFoundText = {
    "The dictionary is not found. It has possibly been removed.",
    "Sanastoa ei löytynyt. Se on mahdollisesti poistettu."};

struct Prefix {
  BilingualText plain;
  BilingualText named;  // "@1" is the name
};

// By `DictionaryOperation`.
constexpr std::array<Prefix, 6> kPrefixes = {{
    {{"Loading dictionary failed! ", "Sanaston lataus epäonnistui! "},
     {"Loading dictionary '@1' failed! ", "Sanaston '@1' lataus epäonnistui! "}},
    {{"Updating dictionary failed! ", "Sanaston päivitys epäonnistui! "},
     {"Updating dictionary '@1' failed! ", "Sanaston '@1' päivitys epäonnistui! "}},
    {{"Creating dictionary failed! ", "Sanaston luonti epäonnistui! "},
     {"Creating dictionary '@1' failed! ", "Sanaston '@1' luonti epäonnistui! "}},
    {{"Removing dictionary failed! ", "Sanaston poisto epäonnistui! "},
     {"Removing dictionary '@1' failed! ", "Sanaston '@1' poisto epäonnistui! "}},
    {{"Importing dictionary failed! ", "Sanaston lataus tiedostosta epäonnistui! "},
     {"Importing dictionary '@1' failed! ", "Sanaston '@1' lataus tiedostosta epäonnistui! "}},
    {{"Exporting dictionary failed! ", "Sanaston tallennus tiedostoon epäonnistui! "},
     {"Exporting dictionary '@1' failed! ", "Sanaston '@1' tallennus tiedostoon epäonnistui! "}},
}};

std::string EntryLimitText(const DictionaryErrorContext& context, UiLanguage language) {
  const std::string entries = std::to_string(context.entries);
  const std::string limit = std::to_string(context.entryLimit);
  if (language == UiLanguage::English) {
    return "\r\n\r\nThe dictionary contains " + entries +
           " entries while the maximum allowed number is " + limit + ".";
  }
  const char* unit = context.kind == DictionaryKind::Normal ? "sanaa" : "fraasia";
  return "\r\n\r\nSanasto sisältää " + entries + " " + unit + " kun suurin sallittu määrä on " +
         limit + ".";
}

std::string DictionaryLimitText(const DictionaryErrorContext& context, UiLanguage language) {
  const std::string limit = std::to_string(context.dictionaryLimit);
  if (language == UiLanguage::English)
    return "\r\n\r\nYou can create " + limit + " user dictionaries at maximum.";
  return "\r\n\r\nVoit luoda enintään " + limit + " omaa sanastoa.";
}

}  // namespace

std::optional<DictionaryErrorReport> DescribeDictionaryError(DictionaryOperation operation,
                                                             int code,
                                                             const DictionaryErrorContext& context,
                                                             UiLanguage language) {
  namespace e = dictionary_error;
  if (code >= 0) return std::nullopt;
  if (code < e::kLowest) code = e::kUnexpected;

  const Prefix& prefix = kPrefixes[static_cast<std::size_t>(operation)];
  DictionaryErrorReport report;
  report.message = context.name ? FormatMessage(prefix.named, language, Cp1252ToUtf8(*context.name))
                                : std::string(prefix.plain.In(language));
  const BilingualText& text = code == e::kNotReadable && context.notFound
                                  ? kNotFoundText
                                  : kCodeTexts[static_cast<std::size_t>(-code - 1)];
  report.message += text.In(language);
  if (code == e::kTooManyEntries) report.message += EntryLimitText(context, language);
  if (code == e::kTooManyDictionaries && context.userDictionary)
    report.message += DictionaryLimitText(context, language);

  const bool informs = code == e::kNameInUse || code == e::kTooManyDictionaries ||
                       code == e::kNotLoggedIn || code == e::kNoPairAccess;
  report.icon = informs ? MessageIcon::Information : MessageIcon::Warning;
  return report;
}

}  // namespace vorla

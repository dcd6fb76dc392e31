#include "ui/dialogs/AboutTexts.h"

#include "common/Bilingual.h"
#include "config/Config.h"
#include "service/CommonFields.h"
#include "translation/LanguagePairs.h"

namespace vorla {

namespace {

constexpr BilingualText kTitle{"About @1", "@1"};
constexpr BilingualText kVersion{"       Version ", "       Versio "};
constexpr BilingualText kProvider{
    "The English into Finnish translation is provided by Vorla Systems Oy's rule-based machine "
    "translation system.",
    "Englanti-suomi-käännöksen tarjoaa Vorla Systems Oy:n sääntöpohjainen "
    "konekäännösohjelmisto."};
constexpr BilingualText kAdditionalProvider{
    "\r\n\r\nThe additional languages are provided by Microsoft Translator.",
    "\r\n\r\nLisäkieliparien käännökset tarjoaa Microsoft® Translator."};
constexpr LinkedSentence kSpeech[] = {
    {"The Finnish speech synthesis uses the ", "eSpeak", " software."},
    {"Suomen puhesynteesissä käytetään ", "eSpeak", "-ohjelmaa."}};
constexpr LinkedSentence kWebsite[] = {
    {"For more information, please visit our ", "website", "."},
    {"Lisätietoa kääntimestä löytyy Vorlan ", "kotisivuilta", "."}};
constexpr BilingualText kHomePage{"https://service.vorla.example/en/",
                                  "https://service.vorla.example/fi/"};

}  // namespace

AboutTexts MakeAboutTexts(UiLanguage language, bool loggedIn, int accountType) {
  const auto index = static_cast<std::size_t>(language == UiLanguage::Finnish);
  AboutTexts texts;
  texts.title = FormatMessage(kTitle, language, Config::kProductName);
  texts.version = std::string(Config::kProductName) + std::string(kVersion.In(language)) +
                  FormatVersion(Config::kVersion);
  texts.providers = std::string(kProvider.In(language));
  if (accountType == kAccountFirstList) texts.providers += kAdditionalProvider.In(language);
  texts.showsSpeech = loggedIn && accountType != kAccountFirstList;
  texts.speech = kSpeech[index];
  texts.website = kWebsite[index];
  texts.homePage = kHomePage.In(language);
  return texts;
}

}  // namespace vorla

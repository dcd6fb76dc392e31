#include <gtest/gtest.h>

#include "dictionaries/DictionaryErrors.h"

namespace vorla {
namespace {

TEST(DictionaryErrors, MessagesArePrefixAndTextWithTheirAdditions) {
  struct Case {
    DictionaryOperation operation;
    int code;
    DictionaryErrorContext context;
    UiLanguage language;
    const char* message;
    MessageIcon icon;
  };
  DictionaryErrorContext named;
  named.name = "Omat \xe4\xe4net";
  DictionaryErrorContext notFound = named;
  notFound.notFound = true;
  DictionaryErrorContext phrases;
  phrases.kind = DictionaryKind::Phrases;
  phrases.entries = 100001;
  phrases.entryLimit = 100000;
  DictionaryErrorContext limits;
  limits.dictionaryLimit = 80;
  DictionaryErrorContext session = limits;
  session.userDictionary = false;
  const Case cases[] = {
      {DictionaryOperation::Load, -5, named, UiLanguage::English,
       "Loading dictionary 'Omat äänet' failed! The dictionary file cannot be read. It may be in "
       "use by another application or removed.",
       MessageIcon::Warning},
      {DictionaryOperation::Load, -5, notFound, UiLanguage::Finnish,
       "Sanaston 'Omat äänet' lataus epäonnistui! Sanastoa ei löytynyt. Se on mahdollisesti "
       "poistettu.",
       MessageIcon::Warning},
      {DictionaryOperation::Update, -14, phrases, UiLanguage::English,
       "Updating dictionary failed! The dictionary has too many entries.\r\n\r\nThe dictionary "
       "contains 100001 entries while the maximum allowed number is 100000.",
       MessageIcon::Warning},
      {DictionaryOperation::Update, -14, phrases, UiLanguage::Finnish,
       "Sanaston päivitys epäonnistui! Sanaston koko on liian iso.\r\n\r\nSanasto sisältää 100001 "
       "fraasia kun suurin sallittu määrä on 100000.",
       MessageIcon::Warning},
      {DictionaryOperation::Create, -7, limits, UiLanguage::Finnish,
       "Sanaston luonti epäonnistui! Sinulla on jo maksimimäärä sanastoja.\r\n\r\nVoit luoda "
       "enintään 80 omaa sanastoa.",
       MessageIcon::Information},
      {DictionaryOperation::Create, -7, session, UiLanguage::English,
       "Creating dictionary failed! You already have the maximum number of user dictionaries.",
       MessageIcon::Information},
      {DictionaryOperation::Create,
       -8,
       {},
       UiLanguage::English,
       "Creating dictionary failed! ",
       MessageIcon::Warning},
      {DictionaryOperation::Remove,
       -40,
       {},
       UiLanguage::Finnish,
       "Sanaston poisto epäonnistui! ",
       MessageIcon::Warning},
      {DictionaryOperation::Remove,
       -12,
       {},
       UiLanguage::Finnish,
       "Sanaston poisto epäonnistui! Käyttäjätunnistusta ei ole suoritettu tai käyttäjäistunto on "
       "vanhentunut.",
       MessageIcon::Information},
      {DictionaryOperation::Import,
       -22,
       {},
       UiLanguage::English,
       "Importing dictionary failed! Cannot merge dictionaries because their types are different.",
       MessageIcon::Warning},
      {DictionaryOperation::Export, -6, named, UiLanguage::Finnish,
       "Sanaston 'Omat äänet' tallennus tiedostoon epäonnistui! Sanaston nimi on jo käytössä.",
       MessageIcon::Information},
      {DictionaryOperation::Load,
       -9,
       {},
       UiLanguage::English,
       "Loading dictionary failed! An error has occured on the translation server.",
       MessageIcon::Warning},
      {DictionaryOperation::Load,
       -21,
       {},
       UiLanguage::English,
       "Loading dictionary failed! You don't have access rights to the language pair of the "
       "dictionary.",
       MessageIcon::Information},
  };
  for (const Case& c : cases) {
    const auto report = DescribeDictionaryError(c.operation, c.code, c.context, c.language);
    ASSERT_TRUE(report) << c.code;
    EXPECT_EQ(report->message, c.message);
    EXPECT_EQ(report->icon, c.icon) << c.message;
  }
  for (const int code : {0, 1, 10012})
    EXPECT_FALSE(DescribeDictionaryError(DictionaryOperation::Load, code, {}, UiLanguage::English));
}

}  // namespace
}  // namespace vorla

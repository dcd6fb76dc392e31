#include <gtest/gtest.h>

#include <set>

#include "translation/FailureMessage.h"
#include "translation/TranslationJob.h"

namespace vorla {
namespace {

constexpr int kDefaultMaximum = 100'000'000;

struct MessageCase {
  int code;
  int srcformat;
  int maximum;
  const char* english;
  const char* finnish;
};

TEST(FailureMessage, BothLanguages) {
  const MessageCase cases[] = {
      {0, 1, kDefaultMaximum, "Translation failed - translation server error",
       "Käännös epäonnistui - virhe käännöspalvelimella"},
      {40, 1, kDefaultMaximum, "Translation failed - translation server error",
       "Käännös epäonnistui - virhe käännöspalvelimella"},
      {20, 1, kDefaultMaximum, "Translation failed - translation server error",
       "Käännös epäonnistui - virhe käännöspalvelimella"},
      {25, 1, kDefaultMaximum, "Translation failed - translation server error",
       "Käännös epäonnistui - virhe käännöspalvelimella"},
      {-3, 1, kDefaultMaximum, "Translation failed - translation server error",
       "Käännös epäonnistui - virhe käännöspalvelimella"},
      {15, 1, kDefaultMaximum,
       "Translation failed - you are not logged in or your session has expired",
       "Käännös epäonnistui - käyttäjätunnistusta ei ole suoritettu tai käyttäjäistunto on "
       "vanhentunut"},
      {6, 1, 5'000'000,
       "Translation failed - the source file is too big. Maximum file size is 8 MB",
       "Käännös epäonnistui - käännettävän tiedoston koko liian suuri. Suurin sallittu "
       "tiedostokoko on 8 MB"},
      {6, 1, 300'000'000,
       "Translation failed - the source file is too big. Maximum file size is 300 MB",
       "Käännös epäonnistui - käännettävän tiedoston koko liian suuri. Suurin sallittu "
       "tiedostokoko on 300 MB"},
      {6, 1, -1, "Translation failed - the source file is too big. Maximum file size is 8 MB",
       "Käännös epäonnistui - käännettävän tiedoston koko liian suuri. Suurin sallittu "
       "tiedostokoko on 8 MB"},
      {5, 1, kDefaultMaximum,
       "Translation failed - the source document is invalid or cannot be accessed.",
       "Käännös epäonnistui - käännettävä asiakirja on virheellinen tai sitä ei voida lukea."},
      {12, 1, kDefaultMaximum,
       "Translation failed - the translation server is temporarily busy, try again later.",
       "Käännös epäonnistui - käännöspalvelimella on tilapäisesti ruuhkaa, yritä uudelleen "
       "myöhemmin."},
      {19, 1, kDefaultMaximum,
       "Translation was not performed - translation account balance is insufficient",
       "Käännöstä ei suoritettu - käännöstilin saldo ei ole riittävä"},
      {21, 1, kDefaultMaximum, "Translation was not performed - translation was cancelled",
       "Käännöstä ei suoritettu - käännöstapahtuma keskeytettiin"},
      {27, 5, kDefaultMaximum,
       "Translation was not performed - the PDF file does not have text content.",
       "Käännöstä ei suoritettu - PDF-tiedostossa ei ole tekstimuotoista sisältöä."},
      {16, 4, kDefaultMaximum,
       "Translation failed - the format of the source document is not supported.\r\n\r\n"
       "Please convert the Word document into .docx format before translating it.",
       "Käännös epäonnistui - käännettävän asiakirjan formaattia ei tueta.\r\n\r\n"
       "Muunna Word-asiakirja .docx formaattiin ennen käännöksen suorittamista."},
      {16, 9, kDefaultMaximum,
       "Translation failed - the format of the source document is not supported.\r\n\r\n"
       "Please convert the PowerPoint document into .pptx format before translating it.",
       "Käännös epäonnistui - käännettävän asiakirjan formaattia ei tueta.\r\n\r\n"
       "Muunna PowerPoint-asiakirja .pptx formaattiin ennen käännöksen suorittamista."},
      {16, 11, kDefaultMaximum,
       "Translation failed - the format of the source document is not supported.\r\n\r\n"
       "Please convert the Excel file into .xlsx format before translating it.",
       "Käännös epäonnistui - käännettävän asiakirjan formaattia ei tueta.\r\n\r\n"
       "Muunna Excel-asiakirja .xlsx formaattiin ennen käännöksen suorittamista."},
      {16, 13, kDefaultMaximum,
       "Translation failed - the format of the source document is not supported",
       "Käännös epäonnistui - käännettävän asiakirjan formaattia ei tueta"},
  };
  for (const MessageCase& c : cases) {
    TranslationJob job;
    job.error = c.code;
    job.srcformat = c.srcformat;
    EXPECT_EQ(FailureMessage(job, c.maximum, UiLanguage::English), c.english) << c.code;
    EXPECT_EQ(FailureMessage(job, c.maximum, UiLanguage::Finnish), c.finnish) << c.code;
  }
}

TEST(FailureMessage, FullStopAfterTheCodesThatAreSentences) {
  const std::set<int> withFullStop = {5, 7, 12, 18, 24, 27, 31, 32, 33};
  for (int code = 0; code <= 34; ++code) {
    TranslationJob job;
    job.error = code;
    for (const UiLanguage language : {UiLanguage::English, UiLanguage::Finnish}) {
      const std::string message = FailureMessage(job, kDefaultMaximum, language);
      EXPECT_EQ(message.ends_with('.'), withFullStop.contains(code)) << code << ' ' << message;
    }
  }
}

TEST(FailureMessage, PdfNotices) {
  const auto protectedFile = PdfFailureNotice(18);
  ASSERT_TRUE(protectedFile);
  EXPECT_EQ(protectedFile->english,
            "Translation was not performed because the contents of the PDF file cannot be "
            "read. The file is possibly protected.");
  EXPECT_EQ(protectedFile->finnish,
            "Käännöstä ei suoritettu, koska annetun PDF-tiedoston sisältöä ei pystytty "
            "lukemaan. Tiedosto on mahdollisesti suojattu.");
  const auto withoutText = PdfFailureNotice(27);
  ASSERT_TRUE(withoutText);
  EXPECT_EQ(withoutText->english,
            "Translation was not performed because the PDF file does not have text content. "
            "Note! Text within a scanned image cannot be translated.");
  EXPECT_EQ(withoutText->finnish,
            "Käännöstä ei suoritettu, koska annetussa PDF-tiedostossa ei ole tekstimuotoista "
            "sisältöä. Huom! Jos teksti on tiedostossa skannattuna kuvana, sitä ei voida "
            "kääntää.");
  for (const int other : {0, 5, 16, 19})
    EXPECT_FALSE(PdfFailureNotice(other)) << other;
}

}  // namespace
}  // namespace vorla

#include "translation/FailureMessage.h"

#include <algorithm>

#include "translation/ConversionAdvice.h"
#include "translation/ResultCodes.h"
#include "translation/TranslationJob.h"

namespace vorla {

namespace {

constexpr BilingualText kNotPerformedHeading{"Translation was not performed",
                                             "Käännöstä ei suoritettu"};
constexpr BilingualText kFileTooBig{
    "the source file is too big. Maximum file size is @1 MB",
    "käännettävän tiedoston koko liian suuri. Suurin sallittu tiedostokoko on @1 MB"};
constexpr int kSmallestMaximumMegabytes = 8;

// Codes whose text is a sentence of its own and ends with a full stop.
constexpr int kCodesEndingWithFullStop[] = {5, 7, 12, 18, 24, 27, 31, 32, 33};

bool EndsWithFullStop(int code) {
  return std::ranges::find(kCodesEndingWithFullStop, code) != std::end(kCodesEndingWithFullStop);
}

// Balance, cancel and a PDF without text mean that nothing was tried, rather than failed.
bool IsNotPerformed(int code) {
  return code == kResultBalanceInsufficient || code == kResultCancelled ||
         code == kResultPdfWithoutText;
}

}  // namespace

std::string FailureMessage(const TranslationJob& job, int maxTranslationLength,
                           UiLanguage language) {
  const int code = job.error;
  std::string message(IsNotPerformed(code) ? kNotPerformedHeading.In(language)
                                           : kTranslationFailedHeading.In(language));
  message += " - ";
  if (code == kResultSourceTooLong) {
    const int megabytes = std::max(maxTranslationLength / 1'000'000, kSmallestMaximumMegabytes);
    message += FormatMessage(kFileTooBig, language, std::to_string(megabytes));
  } else {
    message += ResultCodeText(code).In(language);
  }
  if (EndsWithFullStop(code)) message += '.';
  if (code == kResultFormatNotSupported) {
    const std::string_view advice = ConversionAdvice(job.srcformat).In(language);
    if (!advice.empty()) {
      message += ".\r\n\r\n";
      message += advice;
    }
  }
  return message;
}

std::optional<BilingualText> PdfFailureNotice(int code) {
  if (code == kResultPdfProtected) {
    return BilingualText{
        "Translation was not performed because the contents of the PDF file cannot be read. "
        "The file is possibly protected.",
        "Käännöstä ei suoritettu, koska annetun PDF-tiedoston sisältöä ei pystytty lukemaan. "
        "Tiedosto on mahdollisesti suojattu."};
  }
  if (code == kResultPdfWithoutText) {
    return BilingualText{
        "Translation was not performed because the PDF file does not have text content. "
        "Note! Text within a scanned image cannot be translated.",
        "Käännöstä ei suoritettu, koska annetussa PDF-tiedostossa ei ole tekstimuotoista "
        "sisältöä. Huom! Jos teksti on tiedostossa skannattuna kuvana, sitä ei voida kääntää."};
  }
  return std::nullopt;
}

}  // namespace vorla

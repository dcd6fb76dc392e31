#include "translation/LanguageNotice.h"

namespace vorla {

namespace {

constexpr int kFirstListQuota = 3;

constexpr BilingualText kFirstListNotice{
    "Note! You are about to start a translation using your translation quota for the additional "
    "languages. To start the translation, click 'Translate' below.",
    "Huom! Olet suorittamassa käännöstä käyttäen lisäkielien käännöskiintiötä. Aloita käännös "
    "napsauttamalla Käännä-painiketta alla."};
constexpr BilingualText kOtherLanguagesNotice{
    "Note! You are about to start a translation that includes other languages than English or "
    "Finnish. To start the translation, click 'Translate' below.",
    "Huom! Olet suorittamassa käännöstä muulle kuin suomi-englanti-suomi -kieliparille. Aloita "
    "käännös napsauttamalla Käännä-painiketta alla."};

}  // namespace

BilingualText LanguageNoticeText(int accountType) {
  return accountType == kFirstListQuota ? kFirstListNotice : kOtherLanguagesNotice;
}

}  // namespace vorla

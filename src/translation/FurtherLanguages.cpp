#include "translation/FurtherLanguages.h"

#include <algorithm>
#include <array>

#include "common/CodePages.h"
#include "common/Windows1252.h"

namespace vorla {

namespace {

constexpr int kCp1252 = kEncodingWindows1252;

constexpr std::array<FurtherLanguage, 39> kFirstList = {{
    {100, {"Arabic", "arabia"}, 9},
    {101, {"Bulgarian", "bulgaria"}, 6},
    {102, {"Catalan", "katalaani"}, kCp1252},
    {103, {"Chinese (simp)", "kiina (yks.)"}, 13},
    {104, {"Chinese (trad)", "kiina (per.)"}, 14},
    {105, {"Czech", "tsekki"}, 3},
    {106, {"Danish", "tanska"}, kCp1252},
    {107, {"Dutch", "hollanti"}, kCp1252},
    {108, {"English", "englanti"}, kCp1252},
    {109, {"Estonian", "viro"}, 7},
    {110, {"Finnish", "suomi"}, kCp1252},
    {111, {"French", "ranska"}, kCp1252},
    {112, {"German", "saksa"}, kCp1252},
    {113, {"Greek", "kreikka"}, 4},
    {114, {"Haitian Creole", "haitin kieli"}, kCp1252},
    {115, {"Hebrew", "heprea"}, 8},
    {116, {"Hindi", "hindi"}, 16},
    {117, {"Hungarian", "unkari"}, 3},
    {118, {"Indonesian", "indonesia"}, kCp1252},
    {119, {"Italian", "italia"}, kCp1252},
    {120, {"Japanese", "japani"}, 11},
    {121, {"Korean", "korea"}, 12},
    {122, {"Latvian", "latvia"}, 7},
    {123, {"Lithuanian", "liettua"}, 7},
    {124, {"Hmong Daw", "Hmong Daw"}, kCp1252},
    {125, {"Norwegian", "norja"}, kCp1252},
    {126, {"Persian", "persia"}, 9},
    {127, {"Polish", "puola"}, 3},
    {128, {"Portuguese", "portugali"}, kCp1252},
    {129, {"Romanian", "romania"}, 3},
    {130, {"Russian", "venäjä"}, 6},
    {131, {"Slovak", "slovakki"}, 3},
    {132, {"Slovenian", "sloveeni"}, 3},
    {133, {"Spanish", "espanja"}, kCp1252},
    {134, {"Swedish", "ruotsi"}, kCp1252},
    {135, {"Thai", "thai"}, 15},
    {136, {"Turkish", "turkki"}, 5},
    {137, {"Ukrainian", "ukraina"}, 6},
    {138, {"Vietnamese", "vietnam"}, 10},
}};

// The Finnish interface lists the first list in this order.
constexpr std::array<int, 39> kFirstListFinnishOrder = {
    100, 101, 108, 133, 114, 115, 116, 124, 107, 118, 119, 120, 102,
    104, 103, 121, 113, 122, 123, 125, 126, 128, 127, 111, 129, 134,
    112, 131, 132, 110, 106, 135, 105, 136, 137, 117, 130, 138, 109};

constexpr std::array<FurtherLanguage, 64> kSecondList = {{
    {200, {"Afrikaans", "afrikaans"}, kCp1252},
    {201, {"Albanian", "albania"}, kCp1252},
    {202, {"Arabic", "arabia"}, 9},
    {203, {"Azerbaijani", "azeri"}, 20},
    {204, {"Basque", "baski"}, kCp1252},
    {205, {"Bengali", "bengali"}, 27},
    {206, {"Belarusian", "valkovenäjä"}, 6},
    {207, {"Bulgarian", "bulgaria"}, 6},
    {208, {"Catalan", "katalaani"}, kCp1252},
    {209, {"Chinese (simp)", "kiina (yks.)"}, 13},
    {210, {"Chinese (trad)", "kiina (per.)"}, 14},
    {211, {"Croatian", "kroatia"}, 3},
    {212, {"Czech", "tsekki"}, 3},
    {213, {"Danish", "tanska"}, kCp1252},
    {214, {"Dutch", "hollanti"}, kCp1252},
    {215, {"English", "englanti"}, kCp1252},
    {216, {"Esperanto", "esperanto"}, kCp1252},
    {217, {"Estonian", "viro"}, 7},
    {218, {"Filipino", "filipino"}, kCp1252},
    {219, {"Finnish", "suomi"}, kCp1252},
    {220, {"French", "ranska"}, kCp1252},
    {221, {"Galician", "galicia"}, kCp1252},
    {222, {"Georgian", "gruusia"}, kCp1252},
    {223, {"German", "saksa"}, kCp1252},
    {224, {"Greek", "kreikka"}, 4},
    {225, {"Gujarati", "gujarati"}, 31},
    {226, {"Haitian Creole", "haitin kreoli"}, kCp1252},
    {227, {"Hebrew", "heprea"}, 8},
    {228, {"Hindi", "hindi"}, 16},
    {229, {"Hungarian", "unkari"}, 3},
    {230, {"Icelandic", "islanti"}, kCp1252},
    {231, {"Indonesian", "indonesia"}, kCp1252},
    {232, {"Irish", "iiri"}, kCp1252},
    {233, {"Italian", "italia"}, kCp1252},
    {234, {"Japanese", "japani"}, 11},
    {235, {"Kannada", "kannada"}, 30},
    {236, {"Korean", "korea"}, 12},
    {237, {"Latin", "latina"}, kCp1252},
    {238, {"Latvian", "latvia"}, 7},
    {239, {"Lithuanian", "liettua"}, 7},
    {240, {"Macedonian", "makedonia"}, 6},
    {241, {"Malay", "malaiji"}, kCp1252},
    {242, {"Maltese", "malta"}, kCp1252},
    {243, {"Norwegian", "norja"}, kCp1252},
    {244, {"Persian", "persia"}, 9},
    {245, {"Polish", "puola"}, 3},
    {246, {"Portuguese", "portugali"}, kCp1252},
    {247, {"Romanian", "romania"}, 3},
    {248, {"Russian", "venäjä"}, 6},
    {249, {"Serbian", "serbia"}, 3},
    {250, {"Slovak", "slovakia"}, 3},
    {251, {"Slovenian", "slovenia"}, 3},
    {252, {"Spanish", "espanja"}, kCp1252},
    {253, {"Swahili", "swahili"}, kCp1252},
    {254, {"Swedish", "ruotsi"}, kCp1252},
    {255, {"Tamil", "tamili"}, 28},
    {256, {"Telugu", "telugu"}, 29},
    {257, {"Thai", "thai"}, 15},
    {258, {"Turkish", "turkki"}, 5},
    {259, {"Ukrainian", "ukraina"}, 6},
    {260, {"Urdu", "urdu"}, 9},
    {261, {"Vietnamese", "vietnam"}, 10},
    {262, {"Welsh", "kymri"}, kCp1252},
    {263, {"Yiddish", "jiddiš"}, 8},
}};

template <std::size_t N>
std::array<const FurtherLanguage*, N> InCodeOrder(const std::array<FurtherLanguage, N>& list) {
  std::array<const FurtherLanguage*, N> order{};
  std::ranges::transform(list, order.begin(), [](const FurtherLanguage& l) { return &l; });
  return order;
}

struct ListOrders {
  std::array<const FurtherLanguage*, kFirstList.size()> firstEnglish = InCodeOrder(kFirstList);
  std::array<const FurtherLanguage*, kFirstList.size()> firstFinnish{};
  std::array<const FurtherLanguage*, kSecondList.size()> secondEnglish = InCodeOrder(kSecondList);
  std::array<const FurtherLanguage*, kSecondList.size()> secondFinnish = InCodeOrder(kSecondList);

  ListOrders() {
    std::ranges::transform(kFirstListFinnishOrder, firstFinnish.begin(),
                           [](int code) { return FindFurtherLanguage(code); });
    // The names compare as the Windows-1252 bytes they are stored as.
    std::ranges::stable_sort(
        secondFinnish, {}, [](const FurtherLanguage* l) { return Utf8ToCp1252(l->name.finnish); });
  }
};

const ListOrders& Orders() {
  static const ListOrders orders;
  return orders;
}

}  // namespace

std::span<const FurtherLanguage> FirstListLanguages() {
  return kFirstList;
}

std::span<const FurtherLanguage> SecondListLanguages() {
  return kSecondList;
}

std::span<const FurtherLanguage* const> FurtherLanguagesInOrder(LanguageFamily list,
                                                                UiLanguage language) {
  const ListOrders& orders = Orders();
  const bool finnish = language == UiLanguage::Finnish;
  switch (list) {
    case LanguageFamily::FirstList:
      return finnish ? orders.firstFinnish : orders.firstEnglish;
    case LanguageFamily::SecondList:
      return finnish ? orders.secondFinnish : orders.secondEnglish;
    case LanguageFamily::Local:
      break;
  }
  return {};
}

const FurtherLanguage* FindFurtherLanguage(int code) {
  for (const auto& list : {std::span<const FurtherLanguage>(kFirstList),
                           std::span<const FurtherLanguage>(kSecondList)}) {
    const auto found = std::ranges::find(list, code, &FurtherLanguage::code);
    if (found != list.end()) return &*found;
  }
  return nullptr;
}

int ResultEncodingOf(int code) {
  const FurtherLanguage* language = FindFurtherLanguage(code);
  return language ? language->resultEncoding : 0;
}

}  // namespace vorla

#pragma once

#include <string>

#include "common/Bilingual.h"

namespace vorla {

// A token amount given in thousandths of a token, as the price dialog prints it: "%f" with
// the trailing zeros and then a trailing point removed (12500 gives "12.5", 100000 "100"),
// the same under every locale.
std::string FormatTokenAmount(long long thousandths);

// What the "Translation Info" question is about: the source (a text, a document, or a web
// page by its address) and the amounts.
struct TranslationInfo {
  enum class Source { Text, Document, WebPage };
  Source source = Source::Text;
  int words = 0;
  std::string address;  // the web page (UTF-8)
  int price = 0;        // thousandths of a token
  int balance = 0;      // the quota left, thousandths of a token
  bool balanceSuffices = false;
};

// The lines of the "Translation Info" dialog, UTF-8.
struct TranslationInfoLines {
  std::string length;   // "Source text length: %d words" and its forms
  std::string price;    // "Translation price: %s tokens"
  std::string balance;  // "Translation account balance: %s tokens"
  std::string note;     // what "Translate" does, or that the balance is insufficient
};
TranslationInfoLines FormatTranslationInfo(const TranslationInfo& info, UiLanguage language);

// The dialog's title, buttons and check box.
inline constexpr BilingualText kTranslationInfoTitle{"Translation Info", "Käännöksen tiedot"};
inline constexpr BilingualText kTranslateButton{"Translate", "Käännä"};
inline constexpr BilingualText kCancelButton{"Cancel", "Peruuta"};
inline constexpr BilingualText kDontAskConfirmation{"Don't ask confirmation before translation",
                                                    "Älä kysy vahvistusta ennen kääntämistä"};

}  // namespace vorla

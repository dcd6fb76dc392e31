#pragma once

#include <string>
#include <string_view>

#include "common/UiLanguage.h"

namespace vorla {

// A sentence with one word that is a link.
struct LinkedSentence {
  std::string_view before;
  std::string_view link;
  std::string_view after;
};

// The texts of the About box for the UI language and the account (UTF-8).
struct AboutTexts {
  std::string title;    // "About Vorla Tool"; the product name alone in Finnish
  std::string version;  // the product name, seven blanks, "Version" and the version
  // Who provides the translations; for account type 3 followed by a blank line and the
  // provider of the additional languages.
  std::string providers;
  // The speech sentence, for a logged-in user whose account is not of type 3.
  bool showsSpeech = false;
  LinkedSentence speech;
  LinkedSentence website;
  std::string_view homePage;  // the maker's home page in the UI language
};

AboutTexts MakeAboutTexts(UiLanguage language, bool loggedIn, int accountType);

}  // namespace vorla

#include "service/LoginTexts.h"

#include "service/LoginResults.h"

namespace vorla {

std::optional<BilingualText> LoginStatusText(int result) {
  switch (result) {
    case kLoginOk:
      return std::nullopt;
    case kLoginNoUser:
    case kLoginInvalidPassword:
      return BilingualText{"Login failed - invalid username or password",
                           "Sisäänkirjautuminen epäonnistui - väärä tunnus tai salasana"};
    case kLoginAccountDisabled:
      return BilingualText{"Login failed - user account disabled",
                           "Sisäänkirjautuminen epäonnistui - käyttäjätunnus ei ole voimassa"};
    case kLoginNoConnection:
      return BilingualText{
          "Login failed - cannot connect to the translation server",
          "Sisäänkirjautuminen epäonnistui - käännöspalvelimeen ei saada yhteyttä"};
    case kLoginCancelled:
      return BilingualText{"Login cancelled", "Sisäänkirjautuminen keskeytettiin"};
    case kLoginAccessDenied:
      return BilingualText{"Login failed - server access denied",
                           "Sisäänkirjautuminen epäonnistui - pääsy palvelimelle estetty"};
    case kLoginClientTooOld:
      return BilingualText{
          "Login failed - the client program must be updated to a new version",
          "Sisäänkirjautuminen epäonnistui - ohjelma pitää päivittää uudempaan versioon"};
    default:
      return BilingualText{"Login failed", "Sisäänkirjautuminen epäonnistui"};
  }
}

BilingualText LoginPromptText(std::optional<int> lastResult) {
  if (!lastResult) {
    return {"Enter your username and password:", "Anna käyttäjätunnus ja salasana:"};
  }
  if (*lastResult == kLoginNoConnection) {
    return {
        "Login failed - cannot connect to the translation server. Please check your network "
        "connection and try again.",
        "Sisäänkirjautuminen epäonnistui, koska palvelimeen ei saatu yhteyttä. Tarkista, että "
        "koneesi verkkoyhteys toimii."};
  }
  return LoginStatusText(*lastResult).value_or(BilingualText{});
}

}  // namespace vorla

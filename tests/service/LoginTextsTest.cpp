#include <gtest/gtest.h>

#include "service/LoginTexts.h"

namespace vorla {
namespace {

TEST(LoginTexts, StatusTextByResult) {
  struct Case {
    int result;
    const char* english;
    const char* finnish;
  };
  const Case cases[] = {
      {2, "Login failed - invalid username or password",
       "Sisäänkirjautuminen epäonnistui - väärä tunnus tai salasana"},
      {3, "Login failed - invalid username or password",
       "Sisäänkirjautuminen epäonnistui - väärä tunnus tai salasana"},
      {5, "Login failed - user account disabled",
       "Sisäänkirjautuminen epäonnistui - käyttäjätunnus ei ole voimassa"},
      {9, "Login failed - cannot connect to the translation server",
       "Sisäänkirjautuminen epäonnistui - käännöspalvelimeen ei saada yhteyttä"},
      {11, "Login cancelled", "Sisäänkirjautuminen keskeytettiin"},
      {12, "Login failed - server access denied",
       "Sisäänkirjautuminen epäonnistui - pääsy palvelimelle estetty"},
      {15, "Login failed - the client program must be updated to a new version",
       "Sisäänkirjautuminen epäonnistui - ohjelma pitää päivittää uudempaan versioon"},
      {8, "Login failed", "Sisäänkirjautuminen epäonnistui"},
      {-1, "Login failed", "Sisäänkirjautuminen epäonnistui"},
  };
  for (const Case& c : cases) {
    const auto text = LoginStatusText(c.result);
    ASSERT_TRUE(text) << c.result;
    EXPECT_EQ(text->english, c.english);
    EXPECT_EQ(text->finnish, c.finnish);
  }
  EXPECT_FALSE(LoginStatusText(0));
}

TEST(LoginTexts, PromptFollowsTheLastResult) {
  EXPECT_EQ(LoginPromptText(std::nullopt).english, "Enter your username and password:");
  EXPECT_EQ(LoginPromptText(std::nullopt).finnish, "Anna käyttäjätunnus ja salasana:");
  EXPECT_EQ(LoginPromptText(9).english,
            "Login failed - cannot connect to the translation server. Please check your network "
            "connection and try again.");
  EXPECT_EQ(LoginPromptText(3).english, "Login failed - invalid username or password");
  EXPECT_EQ(LoginPromptText(5).finnish,
            "Sisäänkirjautuminen epäonnistui - käyttäjätunnus ei ole voimassa");
}

}  // namespace
}  // namespace vorla

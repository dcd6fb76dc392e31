#include <gtest/gtest.h>

#include <string>

#include "VorlaProcess.h"
#include "platform/QtSettingsStore.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

using test::HasLine;
using test::ProgramRun;
using test::RunVorla;

// The settings file of the test's VORLA_HOME.
QtSettingsStore HomeStore() {
  Environment environment;
  environment.home = test::CurrentHome();
  return QtSettingsStore(environment);
}

TEST(PairCommand, ShowsTheStoredPairAndTheAccountsPairs) {
  QtSettingsStore store = HomeStore();
  store.WriteValue("LanInf1", "0");
  store.WriteValue("LanInf2", "2");
  store.WriteValue("LanInf3", "false");
  store.WriteValue("LanInf4", "7");
  const ProgramRun english = RunVorla({"--ui", "en", "pair"});
  ASSERT_EQ(english.exitCode, 0) << english.err;
  EXPECT_EQ(english.out,
            "Language Pair: English -> Swedish\n"
            "Available language pairs: Finnish-English-Finnish, English -> Swedish\n");
  const ProgramRun finnish = RunVorla({"--ui", "fi", "pair"});
  EXPECT_EQ(finnish.out,
            "Kielipari: englanti -> ruotsi\n"
            "Käytettävissä olevat kieliparit: suomi-englanti-suomi, englanti -> ruotsi\n");
}

TEST(PairCommand, SetsThePairAsTheMenuAndTheDialogDo) {
  QtSettingsStore store = HomeStore();
  store.WriteValue("LanInf4", "3");
  store.WriteValue("AccInf1", "3");
  struct Case {
    QStringList arguments;
    int exitCode;
    const char* source;
    const char* target;
    const char* automatic;
  };
  const Case cases[] = {
      {{"pair", "fi-en"}, 0, "1", "0", "false"},
      {{"pair", "100", "112"}, 0, "100", "112", "false"},
      {{"pair", "auto"}, 0, "0", "1", "true"},
      {{"pair", "en-sv"}, 23, "0", "1", "true"},     // not on this account
      {{"pair", "215", "1"}, 23, "0", "1", "true"},  // second list, type 3
      {{"pair", "108", "0"}, 28, "0", "1", "true"},  // the same language
      {{"pair", "139", "1"}, 28, "0", "1", "true"},
      {{"pair", "1x", "1"}, 28, "0", "1", "true"},
      {{"pair", "sv-en"}, 28, "0", "1", "true"},
      {{"pair", "0", "112"}, 0, "0", "112", "false"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = RunVorla(QStringList{"--ui", "en"} + c.arguments);
    const std::string what = c.arguments.join(' ').toStdString();
    EXPECT_EQ(run.exitCode, c.exitCode) << what << run.err;
    EXPECT_EQ(store.ReadValue("LanInf1"), c.source) << what;
    EXPECT_EQ(store.ReadValue("LanInf2"), c.target) << what;
    EXPECT_EQ(store.ReadValue("LanInf3"), c.automatic) << what;
  }
  const ProgramRun same = RunVorla({"--ui", "en", "pair", "108", "0"});
  EXPECT_EQ(same.err, "The source and target languages cannot be the same!\n");
}

TEST(LanguagesCommand, ListsEveryCodeInTheOrderOfTheUiLanguage) {
  const ProgramRun english = RunVorla({"--ui", "en", "languages"});
  ASSERT_EQ(english.exitCode, 0) << english.err;
  for (const char* line : {"  0 English", "  2 Swedish", "  100 Arabic", "  138 Vietnamese",
                           "  206 Belarusian", "  263 Yiddish"}) {
    EXPECT_TRUE(HasLine(english.out, line)) << line;
  }
  EXPECT_LT(english.out.find("  200 Afrikaans"), english.out.find("  206 Belarusian"));

  const ProgramRun finnish = RunVorla({"--ui", "fi", "languages"});
  EXPECT_TRUE(HasLine(finnish.out, "  263 jiddiš"));
  // Finnish alphabetical order: espanja (133) before hollanti (107), viro (217) last.
  EXPECT_LT(finnish.out.find("  133 espanja"), finnish.out.find("  107 hollanti"));
  EXPECT_LT(finnish.out.find("  261 vietnam"), finnish.out.find("  217 viro"));
  EXPECT_TRUE(finnish.out.ends_with("\n  217 viro\n"));
}

}  // namespace
}  // namespace vorla

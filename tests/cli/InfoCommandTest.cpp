#include <gtest/gtest.h>

#include <QProcessEnvironment>
#include <filesystem>
#include <string>

#include "VorlaProcess.h"
#include "platform/QtSettingsStore.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

namespace fs = std::filesystem;

using test::HasLine;
using test::ProgramRun;
using test::RunVorla;

TEST(InfoCommand, ShowsIdentityAndDirectoriesUnderVorlaHome) {
  const fs::path home = test::CurrentHome();
  const ProgramRun run = RunVorla({"info"});
  ASSERT_EQ(run.exitCode, 0) << run.err;

  const std::string expected[] = {
      "Product: Vorla Tool",
      "Maker: Vorla Systems",
      "Version: 3.1.2.0",
      "Product id: 4",
      "UI language: fi",
      "Application data: " + (home / "appdata/").string(),
      "User dictionaries: " + (home / "appdata/Vocabularies/").string(),
      "Temporary files: " + (home / "appdata/tmp/").string(),
      "Documents work folder: " + (home / "Documents/Vorla Tool/Temporary/").string(),
      "Settings file: " + (home / "settings.ini").string(),
      "Service URL: https://service.vorla.example/tr",
      "max_translation_len: 100000000",
      "max_count: 80",
      "tr_request_timeout: 120000 ms",
      "voc_update_request_timeout: 120000 ms",
  };
  for (const std::string& line : expected)
    EXPECT_TRUE(HasLine(run.out, line)) << line;
  EXPECT_EQ(run.out.find("Extra CA file"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(home / "Documents/Vorla Tool/Temporary"));
}

TEST(InfoCommand, ShowsTheServiceAndCaFileOfTheEnvironment) {
  QProcessEnvironment extra;
  extra.insert("VORLA_SERVICE_URL", "https://127.0.0.1:8443/tr");
  extra.insert("VORLA_CA_FILE", "/tmp/ca.pem");
  const ProgramRun run = RunVorla({"info"}, extra);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(HasLine(run.out, "Service URL: https://127.0.0.1:8443/tr")) << run.out;
  EXPECT_TRUE(HasLine(run.out, "Extra CA file: /tmp/ca.pem")) << run.out;
}

TEST(InfoCommand, HelpWorksWithoutTouchingTheUsersState) {
  struct Case {
    QStringList arguments;
    const char* shows;
  };
  const Case cases[] = {{{"--help"}, "info"}, {{"info", "--help"}, "Usage: vorla info"}};
  for (const Case& c : cases) {
    const ProgramRun run = RunVorla(c.arguments);
    EXPECT_EQ(run.exitCode, 0) << c.arguments.join(' ').toStdString();
    EXPECT_NE(run.out.find(c.shows), std::string::npos) << run.out;
  }
  EXPECT_FALSE(fs::exists(test::CurrentHome() / "appdata"));
}

TEST(InfoCommand, UiOptionOverridesTheStoredLanguageForOneRun) {
  Environment environment;
  environment.home = test::CurrentHome();
  QtSettingsStore store(environment);
  ASSERT_TRUE(store.WriteValue("defuilan", "0"));

  struct Case {
    QStringList arguments;
    const char* language;
  };
  const Case cases[] = {
      {{"info"}, "en"},
      {{"--ui", "fi", "info"}, "fi"},
      {{"info", "--ui", "fi"}, "fi"},
      {{"--ui", "en", "info"}, "en"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = RunVorla(c.arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(HasLine(run.out, std::string("UI language: ") + c.language))
        << c.arguments.join(' ').toStdString();
  }
  EXPECT_EQ(store.ReadValue("defuilan"), "0");

  const ProgramRun unknown = RunVorla({"--ui", "sv", "info"});
  EXPECT_NE(unknown.exitCode, 0);
  EXPECT_TRUE(unknown.out.empty()) << unknown.out;
}

}  // namespace
}  // namespace vorla

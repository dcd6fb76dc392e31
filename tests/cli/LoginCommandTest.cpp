#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcessEnvironment>
#include <string>

#include "SimulatedService.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

using test::HasLine;
using test::ProgramRun;

const std::string kDemoDigest = "fe01ce2a7fbac8fafaed7c982a04e229";

using test::SimulatedService;

std::string SettingsFile() {
  return (test::CurrentHome() / "settings.ini").string();
}

TEST(LoginCommand, LogsInRemembersTheDigestInAnOwnerOnlyFile) {
  SimulatedService service;
  const ProgramRun login = service.Run({"login", "--user", "demo", "--password-stdin"}, "demo\n");
  ASSERT_EQ(login.exitCode, 0) << login.err;
  EXPECT_EQ(login.out, "Logged in as demo\n");
  EXPECT_TRUE(HasLine(login.err, "Logging in... please wait")) << login.err;

  struct stat info {};
  ASSERT_EQ(stat(SettingsFile().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  // Each later command logs in silently with the remembered digest.
  const ProgramRun account = service.Run({"account"});
  ASSERT_EQ(account.exitCode, 0) << account.err;
  for (const char* line :
       {"Username: demo", "Name: Demo User", "Company: Vorla Systems", "Account type: 2",
        "Quota left: 0", "Language pairs: Finnish-English-Finnish, English -> Swedish"}) {
    EXPECT_TRUE(HasLine(account.out, line)) << line << '\n' << account.out;
  }
  const auto logins = service.sim.Requests();
  int chkrauth = 0;
  for (const auto& request : logins) {
    if (*request.Field("cmd") == "chkrauth") {
      ++chkrauth;
      EXPECT_EQ(*request.Field("pwd"), kDemoDigest);
    }
  }
  EXPECT_EQ(chkrauth, 2);
}

TEST(LoginCommand, WrongPasswordAndForget) {
  SimulatedService service;
  // One password, then the input ends: the prompt is cancelled after the failed request.
  const ProgramRun wrong = service.Run({"login", "--user", "demo", "--password-stdin"}, "nope\n");
  EXPECT_EQ(wrong.exitCode, 3);
  EXPECT_TRUE(HasLine(wrong.err, "Login failed - invalid username or password")) << wrong.err;

  const ProgramRun forget =
      service.Run({"login", "--user", "demo", "--password-stdin", "--forget"}, "demo\n");
  ASSERT_EQ(forget.exitCode, 0) << forget.err;
  // Nothing remembered: without a terminal the next command cannot log in.
  const ProgramRun account = service.Run({"account"});
  EXPECT_EQ(account.exitCode, 11);
  EXPECT_TRUE(HasLine(account.err, "Login cancelled")) << account.err;
}

TEST(LoginCommand, LogoutForgetsTheDigest) {
  SimulatedService service;
  ASSERT_EQ(service.Run({"login", "--user", "demo", "--password-stdin"}, "demo\n").exitCode, 0);
  const ProgramRun logout = service.Run({"logout"});
  EXPECT_EQ(logout.exitCode, 0);
  EXPECT_EQ(service.Run({"account"}).exitCode, 11);
}

TEST(AccountCommand, ChangesThePassword) {
  SimulatedService service;
  ASSERT_EQ(service.Run({"login", "--user", "demo", "--password-stdin"}, "demo\n").exitCode, 0);
  const ProgramRun tooShort = service.Run({"account", "--change-password"}, "demo\nab\nab\n");
  EXPECT_EQ(tooShort.exitCode, 1);
  EXPECT_NE(tooShort.err.find("The new password is too short."), std::string::npos);

  const ProgramRun changed =
      service.Run({"account", "--change-password"}, "demo\nsecret9\nsecret9\n");
  ASSERT_EQ(changed.exitCode, 0) << changed.err;
  EXPECT_EQ(changed.out, "Password changed successfully!\n");
  // The new password is remembered and works.
  const ProgramRun account = service.Run({"--ui", "fi", "account"});
  ASSERT_EQ(account.exitCode, 0) << account.err;
  EXPECT_TRUE(HasLine(account.out, "Käyttäjätunnus: demo")) << account.out;
}

}  // namespace
}  // namespace vorla

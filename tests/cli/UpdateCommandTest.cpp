#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "SimulatedService.h"
#include "UpdateCommands.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

using test::HasLine;
using test::ProgramRun;

const std::string kInstaller(70'000, 'i');

struct UpdateCommand : ::testing::Test {
  UpdateCommand() {
    sim::RegisterUpdateCommands(service.sim);
    const ProgramRun login = service.Run({"login", "--user", "demo", "--password-stdin"}, "demo\n");
    EXPECT_EQ(login.exitCode, 0) << login.err;
    std::filesystem::create_directories(folder);
  }

  sim::SimUpdate& Offer() { return service.sim.context().update; }
  ProgramRun Download() const {
    return service.Run({"update", "--download", QString::fromStdString(folder.string())});
  }

  test::SimulatedService service;
  std::filesystem::path folder = test::CurrentHome() / "downloads";
};

TEST_F(UpdateCommand, CheckShowsBothVersionsAndTheOffer) {
  const ProgramRun same = service.Run({"update", "--check"});
  ASSERT_EQ(same.exitCode, 0) << same.err;
  EXPECT_EQ(same.out,
            "There are no updates available at the moment. This version is up-to-date.\n"
            "Current version: 3.1.2\nNew version: 3.1.2\n"
            "Address: https://www.vorla.example/download/\n");

  Offer().OfferInstaller({3, 2, 0, 1}, "VorlaToolSetup.exe", kInstaller);
  const ProgramRun newer = service.Run({"--ui", "fi", "update", "--check"});
  ASSERT_EQ(newer.exitCode, 0) << newer.err;
  for (const char* line : {"Nykyinen versio: 3.1.2", "Uusi versio: 3.2.0.1",
                           "Asennusohjelma: VorlaToolSetup.exe", "Päivitystiedoston koko: 68 KB"}) {
    EXPECT_TRUE(HasLine(newer.out, line)) << line << '\n' << newer.out;
  }
  EXPECT_TRUE(service.sim.Requests().back().Field("cmd") &&
              *service.sim.Requests().back().Field("cmd") == "getupdinf");
}

TEST_F(UpdateCommand, DownloadSavesTheVerifiedInstallerAndStartsNothing) {
  Offer().OfferInstaller({3, 2, 0, 0}, "VorlaToolSetup.exe", kInstaller);
  Offer().digestLength = 12;
  const ProgramRun run = Download();
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::filesystem::path saved = folder / "VorlaToolSetup.exe";
  EXPECT_TRUE(HasLine(run.out, "Saved: " + saved.string())) << run.out;
  std::ifstream in(saved, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), kInstaller);
  EXPECT_EQ(std::filesystem::status(saved).permissions() & std::filesystem::perms::owner_exec,
            std::filesystem::perms::none);
  // A second download never replaces the file.
  EXPECT_EQ(Download().exitCode, 10);
}

TEST_F(UpdateCommand, FailedDownloadsSaveNothing) {
  struct Case {
    const char* what;
    void (*offer)(sim::SimUpdate&);
    int exitCode;
    const char* message;
  };
  const Case cases[] = {
      {"a file offer", [](sim::SimUpdate& u) { u.status = 3; }, 10,
       "Installing the update failed!"},
      {"a flipped byte", [](sim::SimUpdate& u) { u.flippedByte = true; }, 17,
       "Downloading the update failed! Try again later."},
      {"a short download", [](sim::SimUpdate& u) { u.shortDownload = true; }, 2,
       "Downloading the update failed due to a server connection error! Please try again "
       "later."},
      {"a name with ../", [](sim::SimUpdate& u) { u.traversalName = true; }, 2,
       "Failed to check for updates - cannot connect to the server. Please check your "
       "computer's network connection or try again later."},
  };
  for (const Case& c : cases) {
    Offer() = {};
    Offer().OfferInstaller({3, 2, 0, 0}, "VorlaToolSetup.exe", kInstaller);
    c.offer(Offer());
    const ProgramRun run = Download();
    EXPECT_EQ(run.exitCode, c.exitCode) << c.what << '\n' << run.err;
    EXPECT_TRUE(HasLine(run.err, c.message)) << c.what << '\n' << run.err;
    EXPECT_TRUE(std::filesystem::is_empty(folder)) << c.what;
    EXPECT_FALSE(std::filesystem::exists(folder.parent_path() / "VorlaToolSetup.exe")) << c.what;
  }
}

}  // namespace
}  // namespace vorla

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "service/CMD5Checksum.h"
#include "service/UpdateFixture.h"
#include "service/updates/UpdateTexts.h"

namespace vorla {
namespace {

using test::UpdateFixture;

const std::string kInstaller = [] {
  std::string bytes;
  for (int i = 0; i < 300'000; ++i)
    bytes.push_back(static_cast<char>(i * 7 % 251));
  return bytes;
}();

std::string English(UpdateMessage message, std::string_view value = {}) {
  return UpdateMessageText(message, UiLanguage::English, value);
}

bool HasUpdateFolder(const Config& config) {
  for (const auto& entry : std::filesystem::directory_iterator(config.Dirs().appData)) {
    if (entry.path().filename().string().starts_with("update-")) return true;
  }
  return false;
}

struct UpdateCheck : ::testing::Test {
  UpdateFixture f;
};

TEST_F(UpdateCheck, TheSameVersionIsUpToDate) {
  f.config_->SetUiLanguage(UiLanguage::English);
  f.Open();
  ASSERT_TRUE(f.Reach(UpdateState::UpToDate));
  EXPECT_EQ(f.view_.status, English(UpdateMessage::UpToDate));
  EXPECT_EQ(f.view_.closeText, "Close");
  EXPECT_FALSE(f.view_.startShown);
  EXPECT_EQ(f.view_.destroyed, 0);
  // Logged in first, then asked with the session: product, session number, UI language.
  ASSERT_EQ(f.Requests("chkrauth").size(), 1u);
  const auto asked = f.Requests("getupdinf");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].body, "cmd=getupdinf&pid=4&l=1&lan=0&co=0&plt=0");
  EXPECT_TRUE(f.state_->IsLoggedIn());
}

TEST_F(UpdateCheck, AnInstallerIsDownloadedVerifiedAndHandedToTheDesktop) {
  f.config_->SetUiLanguage(UiLanguage::English);
  f.Offer().OfferInstaller({3, 1, 10, 0}, "VorlaToolSetup.exe", kInstaller);
  f.Offer().digestLength = 7;
  CApplUpdateInfo& update = f.Open();
  ASSERT_TRUE(f.Reach(UpdateState::Available));
  EXPECT_EQ(f.view_.status, English(UpdateMessage::NewVersion, "Vorla Tool"));
  EXPECT_EQ(f.view_.details,
            "Current version: 3.1.2\r\nNew version: 3.1.10\r\nUpdate file size: 292 KB");
  EXPECT_TRUE(f.view_.startShown && f.view_.startEnabled);
  EXPECT_EQ(f.view_.startText, "Install Update");

  update.Start();
  EXPECT_EQ(update.State(), UpdateState::Downloading);
  EXPECT_TRUE(f.view_.downloadLayout);
  EXPECT_EQ(f.view_.closeText, "Cancel");
  EXPECT_FALSE(f.view_.startEnabled);
  ASSERT_TRUE(f.Reach(UpdateState::Downloaded));
  EXPECT_FALSE(f.view_.downloadLayout);
  EXPECT_EQ(f.view_.status, English(UpdateMessage::Downloaded));
  EXPECT_EQ(f.view_.details, English(UpdateMessage::WillBeClosed, "Vorla Tool"));
  EXPECT_EQ(f.view_.startText, "Install");
  EXPECT_TRUE(f.view_.startEnabled);
  // Progress from 0, at most once a percent, rising to 100.
  ASSERT_GE(f.view_.progress.size(), 2u);
  EXPECT_EQ(f.view_.progress.front(), 0);
  EXPECT_TRUE(std::is_sorted(f.view_.progress.begin(), f.view_.progress.end()));
  EXPECT_LE(f.view_.progress.size(), 102u);
  // Nothing is written before Install.
  EXPECT_FALSE(HasUpdateFolder(*f.config_));
  EXPECT_EQ(f.Requests("dlupd").at(0).body, "cmd=dlupd&pid=4&l=1&lan=0&co=0&plt=0");

  update.Start();
  EXPECT_EQ(update.State(), UpdateState::InstallerStarted);
  EXPECT_EQ(f.view_.status, English(UpdateMessage::InstallerStarted));
  ASSERT_TRUE(update.InstallerPath());
  const std::filesystem::path path = *update.InstallerPath();
  EXPECT_EQ(path.parent_path().parent_path(), f.config_->Dirs().appData.parent_path());
  EXPECT_EQ(path.filename(), "VorlaToolSetup.exe");
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), kInstaller);
  EXPECT_EQ(f.opener_->opened, std::vector<std::string>{path.string()});
  EXPECT_EQ(f.updateObserver_->installersStarted, 1);
}

TEST(UpdateCheckFaults, EachFaultIsRefusedWithItsMessage) {
  struct Case {
    const char* what;
    void (*fault)(sim::SimUpdate&);
    UpdateState state;
    UpdateMessage message;
  };
  const Case cases[] = {
      {"a short download", [](sim::SimUpdate& u) { u.shortDownload = true; },
       UpdateState::DownloadFailed, UpdateMessage::DownloadConnectionFailed},
      {"a flipped byte", [](sim::SimUpdate& u) { u.flippedByte = true; },
       UpdateState::DownloadFailed, UpdateMessage::DownloadFailed},
      {"a name with ../", [](sim::SimUpdate& u) { u.traversalName = true; }, UpdateState::Failed,
       UpdateMessage::CannotConnect},
      {"a file: address",
       [](sim::SimUpdate& u) {
         u.status = 1;
         u.fileAddress = true;
       },
       UpdateState::Failed, UpdateMessage::CannotConnect},
      {"an empty digest", [](sim::SimUpdate& u) { u.digestLength = 0; }, UpdateState::Failed,
       UpdateMessage::CannotConnect},
      {"a digest of 33", [](sim::SimUpdate& u) { u.digestLength = 33; }, UpdateState::Failed,
       UpdateMessage::CannotConnect},
  };
  for (const Case& c : cases) {
    UpdateFixture f;
    f.config_->SetUiLanguage(UiLanguage::English);
    f.Offer().OfferInstaller({3, 2, 0, 0}, "VorlaToolSetup.exe", kInstaller);
    c.fault(f.Offer());
    CApplUpdateInfo& update = f.Open();
    ASSERT_TRUE(f.calls_->RunUntil([&] {
      return update.State() != UpdateState::Checking && !update.IsBusy();
    })) << c.what;
    if (update.State() == UpdateState::Available) {
      update.Start();
      ASSERT_TRUE(f.calls_->RunUntil([&] {
        return update.State() != UpdateState::Downloading && !update.IsBusy();
      })) << c.what;
    }
    EXPECT_EQ(update.State(), c.state) << c.what;
    EXPECT_EQ(f.view_.status, English(c.message)) << c.what;
    EXPECT_EQ(f.view_.closeText, "Close") << c.what;
    EXPECT_FALSE(f.view_.startShown) << c.what;
    EXPECT_FALSE(HasUpdateFolder(*f.config_)) << c.what;
    EXPECT_TRUE(f.opener_->opened.empty()) << c.what;
  }
}

TEST(UpdateCheckFaults, EveryDigestPrefixFromOneCharacterToTheWholeDigestIsChecked) {
  for (const std::size_t length : {1u, 16u, 31u, 32u}) {
    UpdateFixture f;
    f.Offer().OfferInstaller({3, 2, 0, 0}, "VorlaToolSetup.exe", kInstaller);
    f.Offer().digestLength = length;
    f.Offer().flippedByte = length == 32;
    CApplUpdateInfo& update = f.Open();
    ASSERT_TRUE(f.Reach(UpdateState::Available)) << length;
    update.Start();
    const UpdateState expected =
        length == 32 ? UpdateState::DownloadFailed : UpdateState::Downloaded;
    ASSERT_TRUE(f.Reach(expected)) << length;
  }
}

TEST_F(UpdateCheck, AFileOfferDownloadsButDoesNotInstall) {
  f.Offer().OfferInstaller({3, 2, 0, 0}, "VorlaToolData.zip", kInstaller, 3);
  CApplUpdateInfo& update = f.Open();
  ASSERT_TRUE(f.Reach(UpdateState::Available));
  update.Start();
  ASSERT_TRUE(f.Reach(UpdateState::Downloaded));
  update.Start();
  EXPECT_EQ(update.State(), UpdateState::Failed);
  EXPECT_EQ(f.view_.status, UpdateMessageText(UpdateMessage::InstallFailed, UiLanguage::Finnish));
  EXPECT_FALSE(f.view_.startShown);
  EXPECT_FALSE(HasUpdateFolder(*f.config_));
  EXPECT_TRUE(f.opener_->opened.empty());
  EXPECT_EQ(f.updateObserver_->installersStarted, 0);
}

TEST_F(UpdateCheck, AWebAddressOfferOpensTheAddressAndClosesTheParent) {
  f.Offer().version = {3, 2, 0, 0};
  f.Offer().address = "https://www.vorla.example/download/3.2/";
  CApplUpdateInfo& update = f.Open();
  ASSERT_TRUE(f.Reach(UpdateState::Available));
  EXPECT_EQ(f.view_.details, "Nykyinen versio: 3.1.2\r\nUusi versio: 3.2.0\r\n");
  update.Start();
  EXPECT_EQ(f.opener_->opened, std::vector<std::string>{"https://www.vorla.example/download/3.2/"});
  EXPECT_EQ(f.view_.parentClosed, 1);
  EXPECT_FALSE(f.view_.startEnabled);
  EXPECT_TRUE(f.Requests("dlupd").empty());
}

TEST(UpdateCheckSilent, WithoutCredentialsNothingIsShown) {
  UpdateFixture f({});
  f.Offer().version = {3, 2, 0, 0};
  CApplUpdateInfo& update = f.Open({.silent = true, .attempts = 1});
  EXPECT_TRUE(f.view_.dontAskShown);
  EXPECT_FALSE(f.view_.dontAskTicked);
  ASSERT_TRUE(f.Reach(UpdateState::Failed));
  EXPECT_EQ(f.view_.destroyed, 1);
  EXPECT_EQ(f.view_.shown, 0);
  EXPECT_TRUE(f.prompt_->shown.empty());
  EXPECT_TRUE(f.Requests("getupdinf").empty());
  (void)update;
}

TEST(UpdateCheckSilent, NothingNewerClosesTheHiddenWindowAndSomethingNewerShowsIt) {
  {
    UpdateFixture f;
    f.Open({.silent = true, .attempts = 1});
    ASSERT_TRUE(f.Reach(UpdateState::UpToDate));
    EXPECT_EQ(f.view_.destroyed, 1);
    EXPECT_EQ(f.view_.shown, 0);
  }
  UpdateFixture f;
  f.Offer().version = {3, 1, 2, 1};
  f.Open({.silent = true, .attempts = 1});
  ASSERT_TRUE(f.Reach(UpdateState::Available));
  EXPECT_EQ(f.view_.shown, 1);
  EXPECT_EQ(f.view_.destroyed, 0);
}

TEST(UpdateCheckSilent, AnOutdatedClientLogsInWithTheVersionCheckAndIsThenLoggedOut) {
  UpdateFixture f;
  f.sim_.context().minimumVersion = "3.2";
  f.Offer().version = {3, 2, 0, 0};
  f.Open({.silent = true, .attempts = 1});
  ASSERT_TRUE(f.Reach(UpdateState::Available));
  const auto logins = f.Requests("chkrauth");
  ASSERT_EQ(logins.size(), 2u);
  EXPECT_EQ(logins[0].Field("vchkt"), nullptr);
  EXPECT_EQ(*logins[1].Field("vchkt"), "1");
  EXPECT_FALSE(f.state_->IsLoggedIn());
}

TEST_F(UpdateCheck, AFailedLoginTellsTheUserToLogIn) {
  UpdateFixture wrong({{"UsrInf1", "demo"}, {"UsrInf2", "00000000000000000000000000000000"}});
  wrong.Open({.attempts = 1});
  ASSERT_TRUE(wrong.Reach(UpdateState::Failed));
  EXPECT_EQ(wrong.view_.status, UpdateMessageText(UpdateMessage::LogInFirst, UiLanguage::Finnish));
  EXPECT_EQ(wrong.view_.statuses.at(wrong.view_.statuses.size() - 2),
            "Sisäänkirjautuminen epäonnistui - väärä tunnus tai salasana");

  sim::Faults dropped;
  dropped.dropBeforeHeaders = true;
  f.sim_.SetFaults("getupdinf", dropped);
  f.Open();
  ASSERT_TRUE(f.Reach(UpdateState::Failed));
  EXPECT_EQ(f.view_.status, UpdateMessageText(UpdateMessage::CannotConnect, UiLanguage::Finnish));
}

TEST_F(UpdateCheck, ClosingTheWindowDuringTheDownloadCancelsItAndWritesNothing) {
  f.Offer().OfferInstaller({3, 2, 0, 0}, "VorlaToolSetup.exe", kInstaller);
  sim::Faults slow;
  slow.stallBefore = std::chrono::seconds(30);
  f.sim_.SetFaults("dlupd", slow);
  CApplUpdateInfo& update = f.Open();
  ASSERT_TRUE(f.Reach(UpdateState::Available));
  update.Start();
  ASSERT_TRUE(f.Poll([&] { return f.Requests("dlupd").size() == 1; }));
  const auto start = std::chrono::steady_clock::now();
  update.Close();
  EXPECT_EQ(f.updateObserver_->windowsClosed, 1);
  f.WaitUntilIdle();
  EXPECT_FALSE(update.IsBusy());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  // Nothing more reaches the window, and nothing was written.
  const std::size_t seen = f.view_.statuses.size();
  EXPECT_FALSE(f.calls_->RunUntil([] { return false; }, std::chrono::milliseconds(200)));
  EXPECT_EQ(f.view_.statuses.size(), seen);
  EXPECT_EQ(update.State(), UpdateState::Downloading);
  EXPECT_FALSE(HasUpdateFolder(*f.config_));
}

TEST_F(UpdateCheck, DontAskAgainTurnsTheCheckAtStartOffAndOn) {
  CApplUpdateInfo& update = f.Open({.silent = true, .attempts = 1});
  update.DontAskAgain(true);
  EXPECT_EQ(f.Stored("UpdInf1"), "false");
  EXPECT_FALSE(f.config_->UpdateCheckEnabled());
  update.DontAskAgain(false);
  EXPECT_EQ(f.Stored("UpdInf1"), "true");
  EXPECT_TRUE(f.config_->UpdateCheckEnabled());
  ASSERT_TRUE(f.Reach(UpdateState::UpToDate));
}

}  // namespace
}  // namespace vorla

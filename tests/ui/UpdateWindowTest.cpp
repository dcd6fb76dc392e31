#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "UpdateCommands.h"
#include "service/LoginFixture.h"
#include "service/updates/UpdateTexts.h"
#include "support/RecordingOpener.h"
#include "translation/CWindowsTranslator.h"
#include "ui/dialogs/UpdateWindow.h"

namespace vorla {
namespace {

const std::string kDemoDigest = "fe01ce2a7fbac8fafaed7c982a04e229";
const std::string kInstaller(200'000, 'u');

// The update window over a main window, against a simulator offering updates; the
// translator's state logs in there with the stored demo user unless told otherwise.
struct UpdateWindowFixture {
  explicit UpdateWindowFixture(bool storedLogin = true) {
    sim::RegisterAccountCommands(sim);
    sim::RegisterUpdateCommands(sim);
    sim.context().accounts.Add(sim::DemoAccount());
    store->WriteValue("defuilan", "0");
    if (storedLogin) {
      store->WriteValue("UsrInf1", "demo");
      store->WriteValue("UsrInf2", kDemoDigest);
    }
    Environment environment;
    environment.serviceUrl = sim.url();
    config = test::MakeHomeConfig(store, environment);
    connections = std::make_shared<CurlHttpConnFactory>(config);
    translator = MakeRef<CWindowsTranslator>(config, 1);
    translator->State().SetLoginHooks({connections, prompt, nullptr, translator.get(), nullptr});
    mainWindow.setGeometry(100, 100, 700, 500);
    mainWindow.show();
  }
  ~UpdateWindowFixture() {
    if (UpdateWindow* window = UpdateWindow::Current()) window->close();
    EXPECT_TRUE(QTest::qWaitFor([] { return UpdateWindow::Current() == nullptr; }, 10000));
  }

  UpdateWindow* Show(UpdateWindowOptions options = {}) {
    return UpdateWindow::Show(nullptr, {translator, connections, opener, &mainWindow}, options);
  }
  static bool Reach(const UpdateWindow* window, UpdateState state) {
    return QTest::qWaitFor(
        [&] { return window->Update().State() == state && !window->Update().IsBusy(); }, 20000);
  }
  bool HasUpdateFolder() const {
    for (const auto& entry : std::filesystem::directory_iterator(config->Dirs().appData)) {
      if (entry.path().filename().string().starts_with("update-")) return true;
    }
    return false;
  }

  sim::ServiceSimulator sim{{}};
  std::shared_ptr<MemorySettingsStore> store = std::make_shared<MemorySettingsStore>();
  RefPtr<Config> config;
  std::shared_ptr<HttpConnFactory> connections;
  std::shared_ptr<test::ScriptedPrompt> prompt = std::make_shared<test::ScriptedPrompt>();
  std::shared_ptr<test::RecordingOpener> opener = std::make_shared<test::RecordingOpener>();
  RefPtr<CWindowsTranslator> translator;
  QWidget mainWindow;
};

std::string English(UpdateMessage message, std::string_view value = {}) {
  return UpdateMessageText(message, UiLanguage::English, value);
}

TEST(UpdateWindow, OpensBesideTheMainWindowAndShowsTheVersions) {
  UpdateWindowFixture f;
  f.sim.context().update.OfferInstaller({3, 2, 0, 0}, "VorlaToolSetup.exe", kInstaller);
  UpdateWindow* window = f.Show();
  ASSERT_TRUE(window);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Product Update");
  EXPECT_EQ(window->size(), QSize(420, 260));
  EXPECT_EQ(window->parentWidget(), &f.mainWindow);
  EXPECT_EQ(window->frameGeometry().topLeft(),
            f.mainWindow.frameGeometry().topLeft() + QPoint(150, 110));
  EXPECT_EQ(window->Header().geometry(), QRect(0, 0, 420, 60));
  EXPECT_FALSE(window->Header().pixmap().isNull());
  EXPECT_EQ(window->StatusText().text().toStdString(), English(UpdateMessage::Checking));
  EXPECT_FALSE(window->StartButton().isVisible());
  EXPECT_FALSE(window->DontAskAgainBox().isVisible());

  ASSERT_TRUE(f.Reach(window, UpdateState::Available));
  EXPECT_EQ(window->StatusText().text().toStdString(),
            English(UpdateMessage::NewVersion, "Vorla Tool"));
  EXPECT_EQ(window->DetailsText().text(),
            "Current version: 3.1.2\r\nNew version: 3.2.0\r\nUpdate file size: 195 KB");
  EXPECT_TRUE(window->StartButton().isVisible());
  EXPECT_EQ(window->StartButton().text(), "Install Update");
  EXPECT_EQ(window->CloseButton().text(), "Close");
  // The start button stands left of Close on one line, both inside the window.
  EXPECT_EQ(window->StartButton().y(), window->CloseButton().y());
  EXPECT_LT(window->StartButton().geometry().right(), window->CloseButton().x());
  EXPECT_LE(window->CloseButton().geometry().right(), 420 - 16);
}

TEST(UpdateWindow, ASecondCheckOpensNoSecondWindow) {
  UpdateWindowFixture f;
  UpdateWindow* silent = f.Show({.silent = true, .attempts = 1});
  EXPECT_FALSE(silent->isVisible());
  EXPECT_EQ(f.Show(), silent);
  EXPECT_FALSE(silent->isVisible());
  EXPECT_EQ(UpdateWindow::Current(), silent);
  int windows = 0;
  for (QWidget* widget : QApplication::topLevelWidgets())
    windows += qobject_cast<UpdateWindow*>(widget) ? 1 : 0;
  EXPECT_EQ(windows, 1);
}

TEST(UpdateWindow, ASilentCheckWithoutCredentialsShowsNothing) {
  UpdateWindowFixture f(false);
  f.sim.context().update.version = {3, 2, 0, 0};
  const QPointer<UpdateWindow> window = f.Show({.silent = true, .attempts = 1});
  bool everShown = false;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        everShown = everShown || (window && window->isVisible());
        return window.isNull();
      },
      20000));
  EXPECT_FALSE(everShown);
  EXPECT_TRUE(f.prompt->shown.empty());
  EXPECT_EQ(UpdateWindow::Current(), nullptr);
}

TEST(UpdateWindow, ASilentCheckThatFindsAnUpdateShowsItselfWithDontAskAgain) {
  UpdateWindowFixture f;
  f.sim.context().update.version = {3, 1, 3, 0};
  UpdateWindow* window = f.Show({.silent = true, .attempts = 1});
  ASSERT_TRUE(f.Reach(window, UpdateState::Available));
  EXPECT_TRUE(window->isVisible());
  ASSERT_TRUE(window->DontAskAgainBox().isVisible());
  EXPECT_FALSE(window->DontAskAgainBox().isChecked());
  EXPECT_LT(window->DontAskAgainBox().geometry().right(), window->StartButton().x());
  window->DontAskAgainBox().click();
  EXPECT_EQ(f.store->ReadValue("UpdInf1"), "false");
  window->DontAskAgainBox().click();
  EXPECT_EQ(f.store->ReadValue("UpdInf1"), "true");
}

TEST(UpdateWindow, DownloadsThenHandsTheInstallerToTheDesktopAndClosesTheProgram) {
  UpdateWindowFixture f;
  f.sim.context().update.OfferInstaller({3, 2, 0, 0}, "VorlaToolSetup.exe", kInstaller);
  const QPointer<UpdateWindow> window = f.Show();
  ASSERT_TRUE(f.Reach(window, UpdateState::Available));
  window->StartButton().click();
  EXPECT_TRUE(window->Progress().isVisible());
  EXPECT_EQ(window->CloseButton().text(), "Cancel");
  EXPECT_EQ(window->StatusText().height(), 30);
  ASSERT_TRUE(f.Reach(window, UpdateState::Downloaded));
  EXPECT_FALSE(window->Progress().isVisible());
  // The last piece ends the download rather than reporting its progress.
  EXPECT_GE(window->Progress().value(), 90);
  EXPECT_EQ(window->StatusText().height(), 50);
  EXPECT_EQ(window->StartButton().text(), "Install");
  EXPECT_TRUE(window->StartButton().isEnabled());
  EXPECT_FALSE(f.HasUpdateFolder());

  window->StartButton().click();
  ASSERT_EQ(f.opener->opened.size(), 1u);
  EXPECT_TRUE(f.opener->opened[0].ends_with("/VorlaToolSetup.exe"));
  EXPECT_TRUE(std::filesystem::exists(f.opener->opened[0]));
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, 5000));
  EXPECT_FALSE(f.mainWindow.isVisible());
}

TEST(UpdateWindow, ClosingItDuringTheDownloadCancelsItAndWritesNothing) {
  UpdateWindowFixture f;
  f.sim.context().update.OfferInstaller({3, 2, 0, 0}, "VorlaToolSetup.exe", kInstaller);
  sim::Faults slow;
  slow.stallBefore = std::chrono::seconds(60);
  f.sim.SetFaults("dlupd", slow);
  const QPointer<UpdateWindow> window = f.Show();
  ASSERT_TRUE(f.Reach(window, UpdateState::Available));
  const RefPtr<CApplUpdateInfo> update(&window->Update());
  window->StartButton().click();
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        for (const auto& request : f.sim.Requests())
          if (*request.Field("cmd") == "dlupd") return true;
        return false;
      },
      20000));
  window->close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, 5000));
  EXPECT_TRUE(update->IsClosed());
  // The request ends well before the service would have answered, and nothing was written.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !update->IsBusy(); }, 10000));
  EXPECT_EQ(update->State(), UpdateState::Downloading);
  EXPECT_FALSE(f.HasUpdateFolder());
  EXPECT_TRUE(f.opener->opened.empty());
  EXPECT_TRUE(f.mainWindow.isVisible());
}

}  // namespace
}  // namespace vorla

// vorla-update-screenshots FOLDER: checks for updates against the simulator, started in this
// process and offering a newer installer, and renders the update window for "defuilan" 0 and
// 1 into FOLDER/update-window-en.png and -fi.png (the offer) and
// FOLDER/update-window-downloaded-en.png and -fi.png (the verified download), without a
// display.
#include <CLI/CLI.hpp>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "AccountCommands.h"
#include "ServiceSimulator.h"
#include "SimAccounts.h"
#include "UpdateCommands.h"
#include "config/MemorySettingsStore.h"
#include "platform/CurlGlobal.h"
#include "platform/CurlHttpConnFactory.h"
#include "platform/QtStandardFolders.h"
#include "service/CMD5Checksum.h"
#include "service/ServiceProcessState.h"
#include "translation/CWindowsTranslator.h"
#include "ui/dialogs/UpdateWindow.h"

namespace {

using vorla::UpdateState;

// Runs the window thread until the window reaches the state (at most 20 seconds).
bool Reach(const vorla::UpdateWindow& window, UpdateState state) {
  QElapsedTimer timer;
  timer.start();
  while (window.Update().State() != state || window.Update().IsBusy()) {
    if (timer.hasExpired(20'000)) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

bool SaveUpdateWindowPngs(const std::string& serviceUrl, const QTemporaryDir& home,
                          const char* defuilan, const QString& offerPath,
                          const QString& downloadedPath) {
  auto store = std::make_shared<vorla::MemorySettingsStore>();
  store->WriteValue("defuilan", defuilan);
  store->WriteValue("UsrInf1", "demo");
  store->WriteValue("UsrInf2", vorla::CMD5Checksum::HexDigest("demo"));
  vorla::Environment environment;
  environment.home = home.path().toStdString();
  environment.serviceUrl = serviceUrl;
  auto config =
      vorla::MakeRef<vorla::Config>(std::move(store), vorla::QtStandardFolders(), environment);
  auto translator = vorla::MakeRef<vorla::CWindowsTranslator>(config, 1);
  auto connections = std::make_shared<vorla::CurlHttpConnFactory>(config);
  translator->State().SetLoginHooks({connections, nullptr, nullptr, translator.get(), nullptr});

  QWidget mainWindow;
  vorla::UpdateWindow* window =
      vorla::UpdateWindow::Show(nullptr, {translator, connections, nullptr, &mainWindow}, {});
  bool saved = Reach(*window, UpdateState::Available) && window->grab().save(offerPath, "PNG");
  window->StartButton().click();
  saved = saved && Reach(*window, UpdateState::Downloaded) &&
          window->grab().save(downloadedPath, "PNG");
  window->close();
  QCoreApplication::processEvents();
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  CLI::App cli("Renders the update window to PNG files", "vorla-update-screenshots");
  std::string folderName;
  cli.add_option("folder", folderName, "The folder of the pictures")->required();
  CLI11_PARSE(cli, argc, argv);

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const vorla::CurlGlobal curl;
  const vorla::ServiceProcessState service;
  vorla::sim::ServiceSimulator simulator({});
  vorla::sim::RegisterAccountCommands(simulator);
  vorla::sim::RegisterUpdateCommands(simulator);
  simulator.context().accounts.Add(vorla::sim::DemoAccount());
  simulator.context().update.OfferInstaller({3, 2, 0, 0}, "VorlaToolSetup-3.2.exe",
                                            std::string(5'400'000, 'v'));
  const QTemporaryDir home;
  const QString folder = QString::fromStdString(folderName);
  for (const auto& [defuilan, ui] : {std::pair{"0", "en"}, std::pair{"1", "fi"}}) {
    const QString offer = folder + "/update-window-" + ui + ".png";
    const QString downloaded = folder + "/update-window-downloaded-" + ui + ".png";
    if (!home.isValid() ||
        !SaveUpdateWindowPngs(simulator.url(), home, defuilan, offer, downloaded)) {
      std::fprintf(stderr, "vorla-update-screenshots: cannot render %s\n", qPrintable(offer));
      return 1;
    }
  }
  return 0;
}

// vorla-result-screenshots FOLDER [--suffix S] [--font-size N]: translates a copied text
// with the simulator, started in this process, and renders the clipboard result window for
// "defuilan" 0 and 1 into FOLDER/result-window-en<S>.png and FOLDER/result-window-fi<S>.png,
// without a display. QT_SCALE_FACTOR and --font-size show the look at large sizes.
#include <CLI/CLI.hpp>
#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QTemporaryDir>
#include <cstdio>

#include "AccountCommands.h"
#include "ServiceSimulator.h"
#include "SimAccounts.h"
#include "TranslationCommands.h"
#include "config/MemorySettingsStore.h"
#include "platform/CurlGlobal.h"
#include "platform/CurlHttpConnFactory.h"
#include "platform/QtAudioFilePlayer.h"
#include "platform/QtStandardFolders.h"
#include "service/ServiceProcessState.h"
#include "speech/CSpeaker.h"
#include "translation/ClipboardTranslation.h"
#include "ui/clipboard/QtClipboard.h"
#include "ui/result/DesktopResultWindows.h"

namespace {

constexpr const char* kCopiedText =
    "Good morning. The weather is nice today.\nWe translate this text into Finnish.";

// Logs in as the simulator's demo user.
class DemoLogin final : public vorla::LoginPrompt {
 public:
  bool Ask(vorla::LoginDialogParameters& parameters) override {
    parameters.userName = "demo";
    parameters.password = "demo";
    return true;
  }
};

// Translates the clipboard into a result window and saves its picture.
bool SaveResultWindowPng(const std::string& serviceUrl, const QTemporaryDir& home,
                         const char* defuilan, const QString& path) {
  auto store = std::make_shared<vorla::MemorySettingsStore>();
  store->WriteValue("defuilan", defuilan);
  vorla::Environment environment;
  environment.home = home.path().toStdString();
  environment.serviceUrl = serviceUrl;
  auto config =
      vorla::MakeRef<vorla::Config>(std::move(store), vorla::QtStandardFolders(), environment);
  auto translator = vorla::MakeRef<vorla::CWindowsTranslator>(config, 1);
  auto connections = std::make_shared<vorla::CurlHttpConnFactory>(config);
  translator->State().SetLoginHooks(
      {connections, std::make_shared<DemoLogin>(), nullptr, translator.get(), nullptr});
  auto clipboard = std::make_shared<vorla::QtClipboard>();
  auto windows =
      std::make_shared<vorla::DesktopResultWindows>(config, translator->State(), clipboard);
  vorla::CWindowsTranslator::Hooks hooks;
  hooks.connections = connections;
  hooks.resultWindows = windows;
  // The window shows its speaker icon; nothing is spoken.
  windows->SetSpeakerMaker([&](std::shared_ptr<vorla::SpeechWindow> window) {
    return vorla::MakeRef<vorla::CSpeaker>(vorla::CSpeaker::Parts{
        .config = config,
        .login = &translator->State(),
        .connections = connections,
        .engine = nullptr,
        .player = std::make_shared<vorla::QtAudioFilePlayer>(),
        .window = std::move(window),
        .lastTranslation = [] { return std::optional<vorla::LanguagePair>(); },
        .currentPair = [] { return vorla::LanguagePair(); },
        .processId = 0,
    });
  });
  translator->SetHooks(hooks);

  QGuiApplication::clipboard()->setText(kCopiedText);
  vorla::ClipboardTranslation translation(translator, clipboard);
  const auto job = translation.TranslateClipboard(true);
  const bool translated = job && job->WaitForResult() == 0;
  // The result was queued to the window before the job ended.
  QCoreApplication::processEvents();
  vorla::CResultWnd* window = windows->LastWindow();
  const bool saved = translated && window && window->grab().save(path, "PNG");
  if (window) window->close();
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  CLI::App cli("Renders the clipboard result window to PNG files", "vorla-result-screenshots");
  std::string folderName;
  std::string suffix;
  int fontSize = 0;
  cli.add_option("folder", folderName, "The folder of the pictures")->required();
  cli.add_option("--suffix", suffix, "Ending of the file names, before .png");
  cli.add_option("--font-size", fontSize, "Application font size in points")
      ->check(CLI::Range(6, 72));
  CLI11_PARSE(cli, argc, argv);

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (fontSize > 0) {
    QFont font = QApplication::font();
    font.setPointSize(fontSize);
    QApplication::setFont(font);
  }
  const vorla::CurlGlobal curl;
  const vorla::ServiceProcessState service;
  vorla::sim::ServiceSimulator simulator({});
  vorla::sim::RegisterAccountCommands(simulator);
  vorla::sim::RegisterTranslationCommands(simulator);
  simulator.context().accounts.Add(vorla::sim::DemoAccount());
  const QTemporaryDir home;
  const QString folder = QString::fromStdString(folderName);
  for (const auto& [defuilan, ui] : {std::pair{"0", "en"}, std::pair{"1", "fi"}}) {
    const QString path = folder + "/result-window-" + ui + QString::fromStdString(suffix) + ".png";
    if (!home.isValid() || !SaveResultWindowPng(simulator.url(), home, defuilan, path)) {
      std::fprintf(stderr, "vorla-result-screenshots: cannot render %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}

// vorla-screenshots: starts the desktop client on the offscreen platform in one UI language,
// translates a sample text with the service at VORLA_SERVICE_URL (the login must be
// remembered in VORLA_HOME) and saves the main window as a PNG file. QT_SCALE_FACTOR and
// --font-size show the look at large sizes.
#include <CLI/CLI.hpp>
#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <cstdlib>
#include <iostream>

#include "app/CKivaroApp.h"
#include "common/CodePages.h"
#include "platform/QtSettingsStore.h"
#include "translation/JobTexts.h"
#include "ui/UiText.h"
#include "ui/main/CommandIds.h"

namespace {

constexpr const char* kSample =
    "The weather is nice today. We translate this text into Finnish.\r\n"
    "The translation is shown in the other pane.";
constexpr int kTimeoutMs = 30'000;

// Runs the window thread until the translation has ended and its result has replaced the
// "please wait" text in the pane (the job ends before its result is queued); whether that
// happened in time.
bool WaitForTranslation(const vorla::CKivaroApp& app) {
  const QString pleaseWait =
      vorla::UiText(vorla::kTranslatingPleaseWait, app.GetConfig().GetUiLanguage());
  const auto shown = [&] {
    const int result = app.Translator().LastResult();
    return result > 0 ||
           (result == 0 && app.MainFrame()->TranslationPane().toPlainText() != pleaseWait);
  };
  QElapsedTimer timer;
  timer.start();
  while (!shown()) {
    if (timer.hasExpired(kTimeoutMs)) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App cli("Renders the main window after a translation to a PNG file", "vorla-screenshots");
  std::string ui = "fi";
  std::string output;
  int fontSize = 0;
  cli.add_option("--ui", ui, "User-interface language")->check(CLI::IsMember({"en", "fi"}));
  cli.add_option("--font-size", fontSize, "Application font size in points")
      ->check(CLI::Range(6, 72));
  cli.add_option("output", output, "The PNG file")->required();
  CLI11_PARSE(cli, argc, argv);

  // The same pictures on every machine: no desktop, no window manager.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (fontSize > 0) {
    QFont font = QApplication::font();
    font.setPointSize(fontSize);
    QApplication::setFont(font);
  }
  vorla::Settings(std::make_shared<vorla::QtSettingsStore>(vorla::Environment::FromProcess()))
      .WriteInteger("defuilan", ui == "en" ? 0 : 1);

  vorla::CKivaroApp app;
  app.InitInstance();
  vorla::CMainFrame& frame = *app.MainFrame();
  frame.resize(900, 550);
  frame.SourcePane().SetText(kSample, vorla::kCodePageWindows1252);
  frame.Command(vorla::kCmdTranslate).trigger();
  if (!WaitForTranslation(app) || app.Translator().LastResult() != 0) {
    std::cerr << "vorla-screenshots: the translation did not succeed\n";
    return 1;
  }
  const bool saved = frame.grab().save(QString::fromStdString(output), "PNG");
  app.ExitInstance();
  if (!saved) {
    std::cerr << "vorla-screenshots: cannot write " << output << '\n';
    return 1;
  }
  return 0;
}

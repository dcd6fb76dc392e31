#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "cli/Commands.h"
#include "common/Bilingual.h"
#include "service/updates/CApplUpdateInfo.h"
#include "service/updates/UpdateTexts.h"
#include "service/updates/UpdateVersion.h"

namespace vorla::cli {

namespace {

constexpr BilingualText kAddressLabel{"Address:", "Osoite:"};
constexpr BilingualText kInstallerLabel{"Installer:", "Asennusohjelma:"};
constexpr BilingualText kFileLabel{"File:", "Tiedosto:"};
constexpr BilingualText kSavedLabel{"Saved:", "Tallennettu:"};

// The exit status when the downloaded file is not an installer or cannot be stored.
constexpr int kInstallFailed = 10;

struct UpdateOptions {
  bool check = false;
  std::string downloadFolder;
};

void PrintOffer(const CApplUpdateInfo& update, const Config& config, UiLanguage language) {
  const UpdateAnswer& answer = *update.Answer();
  std::cout << UpdateMessageText(UpdateMessage::CurrentVersion, language,
                                 VersionText(config.version()))
            << '\n'
            << UpdateMessageText(UpdateMessage::OfferedVersion, language,
                                 VersionText(answer.version))
            << '\n';
  const BilingualText& label = answer.offer == UpdateOffer::WebAddress  ? kAddressLabel
                               : answer.offer == UpdateOffer::Installer ? kInstallerLabel
                                                                        : kFileLabel;
  std::cout << label.In(language) << ' ' << answer.text << '\n';
  if (answer.offer != UpdateOffer::WebAddress && answer.fileSize / 1024 > 0) {
    std::cout << UpdateMessageText(UpdateMessage::FileSize, language,
                                   std::to_string(answer.fileSize / 1024))
              << '\n';
  }
}

int RunUpdate(CliContext& context, const UpdateOptions& options) {
  TranslatorState& state = context.state();
  const UiLanguage language = context.ui();
  UpdateHooks hooks;
  hooks.connections = context.connections();
  const auto update = MakeRef<CApplUpdateInfo>(state, std::move(hooks), UpdateWindowOptions{});
  const int checked = update->RunUpdateCheck();
  if (checked != kUpdateOk) {
    const UpdateMessage message =
        checked == kUpdateNotLoggedIn ? UpdateMessage::LogInFirst : UpdateMessage::CannotConnect;
    std::cerr << UpdateMessageText(message, language) << '\n';
    return checked;
  }
  const bool newer = update->OffersNewerVersion();
  std::cout << (newer ? UpdateMessageText(UpdateMessage::NewVersion, language, Config::kProductName)
                      : UpdateMessageText(UpdateMessage::UpToDate, language))
            << '\n';
  PrintOffer(*update, context.config(), language);
  if (options.downloadFolder.empty() || !newer ||
      update->Answer()->offer == UpdateOffer::WebAddress) {
    return 0;
  }

  std::cerr << UpdateMessageText(UpdateMessage::Downloading, language) << '\n';
  const int downloaded = update->RunUpdateDownload();
  if (downloaded != kUpdateOk) {
    const UpdateMessage message = downloaded == kUpdateNoConnection
                                      ? UpdateMessage::DownloadConnectionFailed
                                      : UpdateMessage::DownloadFailed;
    std::cerr << UpdateMessageText(message, language) << '\n';
    return downloaded;
  }
  // Stored only; the command line never starts what it downloaded.
  const auto path = update->StoreDownload(std::filesystem::path(options.downloadFolder));
  if (!path) {
    std::cerr << UpdateMessageText(UpdateMessage::InstallFailed, language) << '\n';
    return kInstallFailed;
  }
  std::cout << kSavedLabel.In(language) << ' ' << path->string() << '\n';
  return 0;
}

}  // namespace

void AddUpdateCommand(CLI::App& app, CliContext& context) {
  auto* command = app.add_subcommand(
      "update", "Check for a newer version of the program, and download its installer");
  auto options = std::make_shared<UpdateOptions>();
  auto* check =
      command->add_flag("--check", options->check, "Show the current and the offered versions");
  auto* download = command->add_option(
      "--download", options->downloadFolder,
      "Download and verify the offered installer and save it in this folder (it is never "
      "started)");
  download->check(CLI::ExistingDirectory);
  check->excludes(download);
  command->require_option(1);
  command->callback([&context, options] { context.SetExitStatus(RunUpdate(context, *options)); });
}

}  // namespace vorla::cli

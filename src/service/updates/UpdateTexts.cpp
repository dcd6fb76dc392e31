#include "service/updates/UpdateTexts.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "service/updates/UpdateVersion.h"

namespace vorla {

namespace {

constexpr std::size_t kLongestMessage = 255;
constexpr int kLastMessage = 40;

constexpr std::array<std::pair<UpdateMessage, BilingualText>, 17> kMessages = {{
    {UpdateMessage::Checking,
     {"Checking for product updates... please wait.", "Haetaan tuotepäivityksiä... odota hetki."}},
    {UpdateMessage::StartingInstallation,
     {"Starting the installation...", "Käynnistetään asennus..."}},
    {UpdateMessage::NoUpdates,
     {"There are no updates available at the moment.",
      "Uusia päivityksiä ei ole saatavilla tällä hetkellä."}},
    {UpdateMessage::UpToDate,
     {"There are no updates available at the moment. This version is up-to-date.",
      "Uusia päivityksiä ei ole saatavilla tällä hetkellä. Tämä ohjelmaversio on ajantasainen."}},
    {UpdateMessage::NewVersion,
     {"There is a new version of @1 available. Do you want to download and install the update "
      "now?",
      "Uudempi versio @1-ohjelmasta on saatavilla. Haluatko ladata ja asentaa päivityksen nyt?"}},
    {UpdateMessage::WillBeClosed,
     {"@1 will be closed before the installation starts.",
      "@1-ohjelma suljetaan kun asennus käynnistyy."}},
    {UpdateMessage::Downloaded,
     {"The update has been downloaded. Click 'Install' to continue with the installation.",
      "Päivitystiedosto on ladattu. Käynnistä päivityksen asennus napsauttamalla "
      "Asenna-painiketta."}},
    {UpdateMessage::DownloadFailed,
     {"Downloading the update failed! Try again later.",
      "Päivityksen lataus epäonnistui! Yritä uudelleen myöhemmin."}},
    {UpdateMessage::InstallFailed,
     {"Installing the update failed!", "Päivityksen asennus epäonnistui!"}},
    {UpdateMessage::LogInFirst,
     {"You must log in before you can download updates!",
      "Kirjaudu palveluun ennen päivitysten lataamista!"}},
    {UpdateMessage::CurrentVersion, {"Current version: @1", "Nykyinen versio: @1"}},
    {UpdateMessage::OfferedVersion, {"New version: @1", "Uusi versio: @1"}},
    {UpdateMessage::FileSize, {"Update file size: @1 KB", "Päivitystiedoston koko: @1 KB"}},
    {UpdateMessage::InstallerStarted,
     {"Starting installation... follow the instructions in the installation wizard.",
      "Käynnistetään asennus... seuraa asennusohjelman ohjeita."}},
    {UpdateMessage::CannotConnect,
     {"Failed to check for updates - cannot connect to the server. Please check your "
      "computer's network connection or try again later.",
      "Päivitysten haku epäonnistui, koska palvelimeen ei saatu yhteyttä. Tarkista koneesi "
      "verkkoyhteys tai yritä uudelleen myöhemmin."}},
    {UpdateMessage::Downloading, {"Downloading product update...", "Ladataan tuotepäivitystä..."}},
    {UpdateMessage::DownloadConnectionFailed,
     {"Downloading the update failed due to a server connection error! Please try again later.",
      "Päivityksen lataus epäonnistui! Virhe yhteydessä palvelimeen. Yritä uudelleen "
      "myöhemmin."}},
}};

constexpr BilingualText kDownloadedText{"Downloaded", "Ladattu"};

// Cuts a UTF-8 text to at most the given bytes without splitting a character.
void Limit(std::string& text, std::size_t bytes) {
  if (text.size() <= bytes) return;
  std::size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
    --end;
  text.resize(end);
}

}  // namespace

std::string UpdateMessageText(int number, UiLanguage language, std::string_view value) {
  if (number < 0 || number > kLastMessage) return {};
  const auto found = std::ranges::find(kMessages, static_cast<UpdateMessage>(number),
                                       &std::pair<UpdateMessage, BilingualText>::first);
  if (found == kMessages.end()) return {};
  std::string text = FormatMessage(found->second, language, value);
  Limit(text, kLongestMessage);
  return text;
}

std::string UpdateMessageText(UpdateMessage message, UiLanguage language, std::string_view value) {
  return UpdateMessageText(static_cast<int>(message), language, value);
}

std::string OfferDetailsText(const ProgramVersion& current, const ProgramVersion& offered,
                             std::int32_t fileSize, UiLanguage language) {
  std::string text =
      UpdateMessageText(UpdateMessage::CurrentVersion, language, VersionText(current)) + "\r\n" +
      UpdateMessageText(UpdateMessage::OfferedVersion, language, VersionText(offered)) + "\r\n";
  if (const std::int32_t kilobytes = fileSize / 1024; kilobytes > 0) {
    text += UpdateMessageText(UpdateMessage::FileSize, language, std::to_string(kilobytes));
  }
  Limit(text, kLongestMessage);
  return text;
}

int DownloadPercent(std::int64_t soFar, std::int64_t total) {
  if (total < 1) return 0;
  const std::int64_t reached = std::clamp<std::int64_t>(soFar, 0, total);
  return static_cast<int>(reached * 100 / total);
}

std::string DownloadProgressText(std::int64_t soFar, std::int64_t total, int percent,
                                 UiLanguage language) {
  return std::string(kDownloadedText.In(language)) + ' ' + std::to_string(soFar / 1024) + '/' +
         std::to_string(total / 1024) + " KB  (" + std::to_string(percent) + "%)";
}

}  // namespace vorla

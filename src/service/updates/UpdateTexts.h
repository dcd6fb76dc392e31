#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/Bilingual.h"
#include "config/Config.h"

namespace vorla {

// The update window's messages, by number.
enum class UpdateMessage : int {
  Checking = 0,
  StartingInstallation = 1,
  NoUpdates = 4,
  UpToDate = 5,
  NewVersion = 6,
  WillBeClosed = 7,
  Downloaded = 8,
  DownloadFailed = 9,
  InstallFailed = 10,
  LogInFirst = 12,
  CurrentVersion = 13,
  OfferedVersion = 14,
  FileSize = 16,
  InstallerStarted = 20,
  CannotConnect = 35,
  Downloading = 37,
  DownloadConnectionFailed = 40,
};

// The message with "@1" replaced by the value, within 255 characters; the table runs from 0
// to 40 and a number without an entry gives an empty text.
std::string UpdateMessageText(int number, UiLanguage language, std::string_view value = {});
std::string UpdateMessageText(UpdateMessage message, UiLanguage language,
                              std::string_view value = {});

// The texts of the window's buttons, title and check box.
inline constexpr BilingualText kUpdateCancelText{"Cancel", "Peruuta"};
inline constexpr BilingualText kUpdateCloseText{"Close", "Sulje"};
inline constexpr BilingualText kUpdateInstallText{"Install", "Asenna"};
inline constexpr BilingualText kUpdateInstallUpdateText{"Install Update", "Lataa päivitys"};
inline constexpr BilingualText kUpdateWindowTitle{"Product Update", "Tuotepäivitys"};
inline constexpr BilingualText kDontAskAgainText{"Don't ask again", "Älä kysy uudestaan"};

// The details of an offer: the current and the new version, and the size in KB when it is
// at least 1 KB; lines separated by CR LF, at most 255 characters.
std::string OfferDetailsText(const ProgramVersion& current, const ProgramVersion& offered,
                             std::int32_t fileSize, UiLanguage language);

// "Downloaded 12/345 KB  (3%)".
std::string DownloadProgressText(std::int64_t soFar, std::int64_t total, int percent,
                                 UiLanguage language);

// The whole percent of the total reached, at most 100; computed in 64 bits.
int DownloadPercent(std::int64_t soFar, std::int64_t total);

}  // namespace vorla

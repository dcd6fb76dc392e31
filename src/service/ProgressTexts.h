#pragma once

#include <string_view>

#include "common/UiLanguage.h"

namespace vorla {

// The progress texts of a server translation, by their index.
enum class ProgressText : int {
  Connecting = 0,
  Sending = 1,
  Downloading = 2,
  Translating = 3,
  TranslatingOnServer = 4,
  Done = 5,
  Failed = 6,
  CheckingInfo = 7,
  ReadingDocument = 8,
  LoadingDocument = 9,
  Reconnecting = 10,
};

std::string_view GetProgressText(ProgressText text, UiLanguage language);

}  // namespace vorla

#include "service/VocabularyProgress.h"

#include <optional>

#include "common/Bilingual.h"
#include "common/Windows1252.h"
#include "translation/ProgressFigures.h"

namespace vorla {

namespace {

constexpr BilingualText kLoading = {"Loading dictionary '@1' from the server...",
                                    "Ladataan sanastoa '@1' palvelimelta..."};
constexpr BilingualText kSaving = {"Saving dictionary '@1' to the server...",
                                   "Tallennetaan sanastoa '@1' palvelimelle..."};

}  // namespace

std::string VocabularyProgressText(VocabularyTransfer transfer, std::string_view name,
                                   UiLanguage language, std::int64_t soFar, std::int64_t total) {
  std::string text = FormatMessage(transfer == VocabularyTransfer::Loading ? kLoading : kSaving,
                                   language, Cp1252ToUtf8(name));
  if (const std::optional<int> percent = ProgressPercent(soFar, total)) {
    text += " " + std::to_string(*percent) + "%";
  }
  return text;
}

}  // namespace vorla

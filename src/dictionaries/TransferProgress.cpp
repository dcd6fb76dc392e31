#include "dictionaries/TransferProgress.h"

#include "common/Bilingual.h"

namespace vorla {

namespace {

constexpr BilingualText kLoading{"Loading dictionary '@1' from the server...",
                                 "Ladataan sanastoa '@1' palvelimelta..."};
constexpr BilingualText kSaving{"Saving dictionary '@1' to the server...",
                                "Tallennetaan sanastoa '@1' palvelimelle..."};

}  // namespace

std::optional<int> TransferPercent(std::int64_t soFar, std::int64_t total) {
  if (total <= 0) return std::nullopt;
  return static_cast<int>(soFar * 100 / total);
}

TransferProgress::TransferProgress(std::shared_ptr<StatusBar> status, std::string name,
                                   UiLanguage language)
    : status_(std::move(status)), name_(std::move(name)), language_(language) {}

void TransferProgress::Show(bool upload, std::optional<int> percent) {
  std::string text = FormatMessage(upload ? kSaving : kLoading, language_, name_);
  if (percent) text += " " + std::to_string(*percent) + "%";
  status_->ShowStatus(text);
}

std::int32_t TransferProgress::OnDownloadBegin(std::int32_t, std::int32_t) {
  Show(false, std::nullopt);
  return 0;
}

std::int32_t TransferProgress::OnDownloadProgress(std::int32_t soFar, std::int32_t total,
                                                  std::int32_t) {
  Show(false, TransferPercent(soFar, total));
  return 0;
}

std::int32_t TransferProgress::OnUploadBegin(std::int32_t, std::int32_t) {
  Show(true, std::nullopt);
  return 0;
}

std::int32_t TransferProgress::OnUploadProgress(std::int32_t soFar, std::int32_t total,
                                                std::int32_t) {
  Show(true, TransferPercent(soFar, total));
  return 0;
}

std::int32_t TransferProgress::OnUploadEnd(std::int32_t, std::int32_t, std::int32_t) {
  Show(true, std::nullopt);
  return 0;
}

}  // namespace vorla

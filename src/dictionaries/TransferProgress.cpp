#include "dictionaries/TransferProgress.h"

namespace vorla {

TransferProgress::TransferProgress(std::shared_ptr<StatusBar> status, std::string name,
                                   UiLanguage language)
    : status_(std::move(status)), name_(std::move(name)), language_(language) {}

void TransferProgress::Show(VocabularyTransfer transfer, std::int64_t soFar, std::int64_t total) {
  status_->ShowStatus(VocabularyProgressText(transfer, name_, language_, soFar, total));
}

std::int32_t TransferProgress::OnDownloadBegin(std::int32_t, std::int32_t) {
  Show(VocabularyTransfer::Loading);
  return 0;
}

std::int32_t TransferProgress::OnDownloadProgress(std::int32_t soFar, std::int32_t total,
                                                  std::int32_t) {
  Show(VocabularyTransfer::Loading, soFar, total);
  return 0;
}

std::int32_t TransferProgress::OnUploadBegin(std::int32_t, std::int32_t) {
  Show(VocabularyTransfer::Saving);
  return 0;
}

std::int32_t TransferProgress::OnUploadProgress(std::int32_t soFar, std::int32_t total,
                                                std::int32_t) {
  Show(VocabularyTransfer::Saving, soFar, total);
  return 0;
}

std::int32_t TransferProgress::OnUploadEnd(std::int32_t, std::int32_t, std::int32_t) {
  Show(VocabularyTransfer::Saving);
  return 0;
}

}  // namespace vorla

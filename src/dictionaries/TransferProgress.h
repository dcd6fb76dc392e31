#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/UiLanguage.h"
#include "common/Unknown.h"
#include "service/HttpConn.h"
#include "translation/StatusBar.h"

namespace vorla {

// Bytes so far as a percentage of the total, in 64 bits; none for a total of 0 or less.
std::optional<int> TransferPercent(std::int64_t soFar, std::int64_t total);

// Reports the transfer of one dictionary to a status line: "Loading dictionary '<name>' from
// the server..." or "Saving dictionary '<name>' to the server...", followed by the
// percentage while it runs. The name is UTF-8.
class TransferProgress final : public UnknownImpl<IHttpConnObserver> {
 public:
  TransferProgress(std::shared_ptr<StatusBar> status, std::string name, UiLanguage language);

  std::int32_t OnConnecting(std::int32_t) override { return 0; }
  std::int32_t OnReconnecting(std::int32_t, std::int32_t) override { return 0; }
  std::int32_t OnRequestSent(std::int32_t, std::int32_t) override { return 0; }
  std::int32_t OnDownloadBegin(std::int32_t total, std::int32_t value) override;
  std::int32_t OnDownloadProgress(std::int32_t soFar, std::int32_t total,
                                  std::int32_t value) override;
  std::int32_t OnDownloadEnd(std::int32_t, std::int32_t, std::int32_t) override { return 0; }
  std::int32_t OnUploadBegin(std::int32_t total, std::int32_t value) override;
  std::int32_t OnUploadProgress(std::int32_t soFar, std::int32_t total,
                                std::int32_t value) override;
  std::int32_t OnUploadEnd(std::int32_t result, std::int32_t total, std::int32_t value) override;

 private:
  void Show(bool upload, std::optional<int> percent);

  std::shared_ptr<StatusBar> status_;
  std::string name_;
  UiLanguage language_;
};

}  // namespace vorla

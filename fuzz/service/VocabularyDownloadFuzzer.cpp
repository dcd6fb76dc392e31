// Feeds arbitrary answers to the client's `getvoc` exchange, as a connection delivers them:
// the status and length header, the stream, and after an expired session the answer of the
// repeat. The first byte picks the configured max_length. Besides memory errors it checks
// that a transfer that did not end well hands out no stream, that a stream handed out is the
// announced length within the limit, and reads that stream as the caller does.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

#include "ScriptedAnswerConn.h"
#include "config/Config.h"
#include "config/MemorySettingsStore.h"
#include "config/StandardFolders.h"
#include "dictionaries/VocabularyReader.h"
#include "service/AnswerReader.h"
#include "service/ServiceClient.h"
#include "service/VocabularyTransfer.h"

namespace {

constexpr std::size_t kMaxSize = 100'000;
constexpr std::int32_t kLimits[] = {32'000'000, 64, 0};

class FuzzFolders final : public vorla::StandardFolders {
 public:
  explicit FuzzFolders(std::filesystem::path root) : root_(std::move(root)) {}
  std::optional<std::filesystem::path> LocalAppData() const override { return root_ / "local"; }
  std::filesystem::path Documents() const override { return root_ / "docs"; }
  std::filesystem::path Temp() const override { return root_ / "temp"; }

 private:
  std::filesystem::path root_;
};

// Logs in again at once, as a user with stored credentials does.
class ImmediateLogin final : public vorla::LoginSession {
 public:
  std::int32_t UserId() const override { return 1001; }
  bool Relogin() override { return true; }
};

vorla::RefPtr<vorla::Config> FuzzConfig() {
  const std::filesystem::path root = std::filesystem::temp_directory_path() / "vorla-voc-fuzz";
  vorla::Environment environment;
  environment.home = root / "home";
  environment.serviceUrl = "http://127.0.0.1:9/tr";
  return vorla::MakeRef<vorla::Config>(std::make_shared<vorla::MemorySettingsStore>(),
                                       FuzzFolders(root), environment);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const vorla::RefPtr<vorla::Config> config = FuzzConfig();
  static ImmediateLogin login;
  if (size == 0) return 0;
  const std::int32_t limit = kLimits[data[0] % std::size(kLimits)];
  config->limits.max_length = limit;

  vorla::fuzz::ScriptedAnswers answers{{reinterpret_cast<const char*>(data) + 1, size - 1}};
  vorla::ServiceClient client;
  client.Initialise(config, &login,
                    std::make_shared<vorla::fuzz::ScriptedAnswerConnFactory>(answers));
  vorla::Vocabulary wanted;
  wanted.header.vocid = 10'000;
  vorla::RefPtr<vorla::IDataBuffer> payload;
  std::int32_t status = 0;
  const std::int32_t result = client.GetVocabulary(wanted, payload, status, 1);

  if (result != vorla::kVocabularyExchanged && result != vorla::kVocabularyTransferFailed) {
    __builtin_trap();
  }
  const bool delivered = result == vorla::kVocabularyExchanged && status == 0;
  if (delivered != static_cast<bool>(payload)) __builtin_trap();
  if (!payload) return 0;
  if (payload->GetLength() > limit) __builtin_trap();
  // The header before the stream announced exactly the bytes handed out.
  const auto stream = vorla::ViewOf(*payload);
  const char* end = answers.rest.data();
  if (std::string_view(end - stream.size(), stream.size()) != stream ||
      vorla::ReadBigEndian32(reinterpret_cast<const unsigned char*>(end - stream.size() - 4)) !=
          static_cast<std::int32_t>(stream.size())) {
    __builtin_trap();
  }
  vorla::Vocabulary loaded;
  if (!vorla::ReadVocabulary(loaded, stream, kMaxSize) && loaded.count() != 0) __builtin_trap();
  return 0;
}

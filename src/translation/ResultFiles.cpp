#include "translation/ResultFiles.h"

#include <cerrno>
#include <climits>
#include <cstdint>

#include "common/Bilingual.h"
#include "common/Utf8.h"
#include "translation/DocumentFormat.h"

namespace vorla {

namespace {

constexpr std::string_view kCounterValue = "trfuid";
constexpr std::int64_t kNumberOffset = 100000;
constexpr std::size_t kLongestSourceName = 239;
// The path must stay under 260 characters with room for "~", the number and the dot.
constexpr std::size_t kPathRoom = 12;
constexpr std::size_t kLongestPath = 259;
constexpr int kTries = 1000;
constexpr int kLastResultFormat = kFormatXlsx;

constexpr BilingualText kTranslationWord{"translation", "käännös"};

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (Utf8Decoder decoder(utf8); !decoder.AtEnd(); decoder.Next())
    ++count;
  return count;
}

std::string WithoutExtension(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

std::string ToHex(std::int64_t value) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  do {
    hex.insert(hex.begin(), kDigits[value % 16]);
    value /= 16;
  } while (value > 0);
  return hex;
}

}  // namespace

std::string SafeBaseName(std::string_view name) {
  const std::size_t separator = name.find_last_of("/\\");
  if (separator != std::string_view::npos) name.remove_prefix(separator + 1);
  std::string safe;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) continue;
    if (safe.empty() && c == '.') continue;
    safe += c;
  }
  return safe;
}

int ResultFiles::NextNumber() {
  std::lock_guard lock(counterMutex_);
  Settings& settings = config_->settings();
  const int stored = settings.ReadInteger(kCounterValue, 0);
  const int next = stored < 0 || stored == INT_MAX ? 0 : stored + 1;
  settings.WriteInteger(kCounterValue, next);
  return next;
}

std::optional<ResultFile> ResultFiles::Create(std::string_view sourceName, int targetFormat) {
  if (targetFormat < kFormatTxt || targetFormat > kLastResultFormat) return std::nullopt;
  const std::string extension(ExtensionOfFormat(targetFormat));
  const std::string source = SafeBaseName(sourceName);
  if (CharacterCount(source) > kLongestSourceName) return std::nullopt;
  const std::string word(kTranslationWord.In(config_->GetUiLanguage()));
  const std::string name = source.empty() ? word : WithoutExtension(source) + " " + word;

  const std::string folder = config_->Dirs().documentsWork.string();
  if (CharacterCount(folder) + CharacterCount(name) + extension.size() + kPathRoom > kLongestPath) {
    return std::nullopt;
  }
  for (int attempt = 0; attempt < kTries; ++attempt) {
    const std::int64_t number = std::int64_t{NextNumber()} + kNumberOffset;
    std::filesystem::path path = folder + name + "~" + ToHex(number) + "." + extension;
    if (UniqueFile file = CreateFileExclusively(path)) {
      return ResultFile{std::move(path), std::move(file)};
    }
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace vorla

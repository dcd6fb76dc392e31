#include "service/updates/UpdateAnswer.h"

#include <algorithm>
#include <cctype>

namespace vorla {

namespace {

// Takes fields off the front of the answer; once one is short every later read fails.
class LittleEndianReader {
 public:
  explicit LittleEndianReader(std::span<const unsigned char> bytes) : rest_(bytes) {}

  std::optional<std::span<const unsigned char>> Take(std::size_t count) {
    if (count > rest_.size()) return std::nullopt;
    const auto taken = rest_.first(count);
    rest_ = rest_.subspan(count);
    return taken;
  }

  std::optional<std::uint32_t> Unsigned(std::size_t size) {
    const auto bytes = Take(size);
    if (!bytes) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;)
      value = value << 8 | (*bytes)[i];
    return value;
  }

 private:
  std::span<const unsigned char> rest_;
};

std::string TextOf(std::span<const unsigned char> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char lower, char c) {
           return std::tolower(static_cast<unsigned char>(c)) == lower;
         });
}

}  // namespace

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name.front() == '.') return false;
  return std::ranges::none_of(name, [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F || c == '/' || c == '\\' || c == ':';
  });
}

bool IsWebAddress(std::string_view address) {
  for (const std::string_view scheme : {"http://", "https://"}) {
    if (StartsWithNoCase(address, scheme) && address.size() > scheme.size()) {
      return std::ranges::none_of(address, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte == 0x7F;
      });
    }
  }
  return false;
}

bool IsDigestPrefix(std::string_view text) {
  return !text.empty() && text.size() <= kLongestDigestPrefix &&
         std::ranges::all_of(
             text, [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

std::optional<UpdateAnswer> ParseUpdateAnswer(std::span<const unsigned char> bytes) {
  LittleEndianReader reader(bytes);
  UpdateAnswer answer;
  const auto status = reader.Unsigned(1);
  if (!status || *status < 1 || *status > 3) return std::nullopt;
  answer.offer = static_cast<UpdateOffer>(*status);
  const auto version = reader.Take(answer.version.size());
  if (!version) return std::nullopt;
  std::ranges::copy(*version, answer.version.begin());
  const auto length = reader.Unsigned(2);
  if (!length) return std::nullopt;
  const auto textLength = static_cast<std::int16_t>(*length);
  if (textLength < kShortestUpdateText || textLength > kLongestUpdateText) return std::nullopt;
  const auto text = reader.Take(static_cast<std::size_t>(textLength));
  if (!text) return std::nullopt;
  answer.text = TextOf(*text);
  if (answer.offer == UpdateOffer::WebAddress) {
    if (!IsWebAddress(answer.text)) return std::nullopt;
    return answer;
  }
  if (!IsPlainFileName(answer.text)) return std::nullopt;
  const auto size = reader.Unsigned(4);
  if (!size) return std::nullopt;
  answer.fileSize = static_cast<std::int32_t>(*size);
  if (answer.fileSize < 1 || answer.fileSize > kLargestInstaller) return std::nullopt;
  if (!reader.Take(4)) return std::nullopt;  // reserved
  const auto digestLength = reader.Unsigned(1);
  if (!digestLength) return std::nullopt;
  const auto digest = reader.Take(*digestLength);
  if (!digest) return std::nullopt;
  answer.digestPrefix = TextOf(*digest);
  if (!IsDigestPrefix(answer.digestPrefix)) return std::nullopt;
  return answer;
}

}  // namespace vorla

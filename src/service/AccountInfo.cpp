#include "service/AccountInfo.h"

#include "config/Settings.h"

namespace vorla {

namespace {

constexpr char kFieldEnd = '\x01';
constexpr std::size_t kUserNameLimit = 64;
constexpr std::size_t kNameLimit = 128;
constexpr std::size_t kNumberLimit = 16;
constexpr int kUnusedNumbers = 6;

// Takes the next field of the text; nothing when it has no end byte or reaches the limit.
std::optional<std::string_view> NextField(std::string_view& text, std::size_t limit) {
  const std::size_t end = text.find(kFieldEnd);
  if (end == std::string_view::npos || end >= limit) return std::nullopt;
  const std::string_view field = text.substr(0, end);
  text.remove_prefix(end + 1);
  return field;
}

std::optional<int> NextNumber(std::string_view& text) {
  const auto field = NextField(text, kNumberLimit);
  if (!field) return std::nullopt;
  return ParseStoredInteger(*field).value_or(0);
}

}  // namespace

std::optional<AccountInfo> ParseAccountInfo(std::string_view text) {
  AccountInfo info;
  const auto userName = NextField(text, kUserNameLimit);
  const auto firstName = NextField(text, kNameLimit);
  const auto lastName = NextField(text, kNameLimit);
  const auto company = NextField(text, kNameLimit);
  if (!userName || !firstName || !lastName || !company) return std::nullopt;
  for (int i = 0; i < kUnusedNumbers; ++i) {
    if (!NextNumber(text)) return std::nullopt;
  }
  const auto accountType = NextNumber(text);
  const auto quotaLeft = NextNumber(text);
  if (!accountType || !quotaLeft) return std::nullopt;
  return AccountInfo{std::string(*userName), std::string(*firstName),
                     std::string(*lastName), std::string(*company),
                     *accountType,           *quotaLeft};
}

}  // namespace vorla

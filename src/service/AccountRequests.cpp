// `getaccountinfo` and `updateaccountinfo`: the account window's requests.
#include "service/FormEncoding.h"
#include "service/FramedExchange.h"

namespace vorla {

namespace {

constexpr std::int32_t kSessionExpired = 15;
constexpr std::int32_t kLongestAccountText = 4095;
constexpr std::size_t kLongestUpdateBody = 255;

}  // namespace

std::int32_t ServiceClient::GetAccountInfo(std::string& text, int retry) {
  const std::string body = "cmd=getaccountinfo&p=2&pid=" + std::to_string(ProductId());
  const LengthLimit limit{kLongestAccountText, LengthLimit::Refuse::Above};
  const std::int32_t status =
      PostFramed(*this, body, GetConfig().limits.request_timeout, &limit, &text);
  if (status == kSessionExpired && retry == 1 && RenewExpiredSession()) {
    return GetAccountInfo(text, 2);
  }
  return status;
}

std::int32_t ServiceClient::UpdateAccountInfo(std::string_view newPassword) {
  std::string body = "cmd=updateaccountinfo&p=2&pid=" + std::to_string(ProductId()) + "&passwd=";
  EncodeFormString(newPassword, body);
  if (body.size() > kLongestUpdateBody) return kFramedExchangeFailed;
  return PostFramed(*this, body, GetConfig().limits.request_timeout, nullptr, nullptr);
}

}  // namespace vorla

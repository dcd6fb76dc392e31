#include "service/RedirectLinks.h"

#include "common/Opener.h"
#include "config/Config.h"
#include "service/FormEncoding.h"
#include "translation/TranslatorState.h"

namespace vorla {

namespace {

constexpr std::int64_t kUserIdOffset = 1048576;
constexpr std::size_t kShortestResultId = 8;
constexpr std::size_t kLongestResultId = 127;

std::string Start(std::string_view serviceUrl, int page) {
  return std::string(serviceUrl) + "?cmd=redir&page=" + std::to_string(page);
}

std::string Field(std::string_view name, long long value) {
  return "&" + std::string(name) + "=" + std::to_string(value);
}

int UiLanguageNumber(const TranslatorState& state) {
  return static_cast<int>(state.GetConfig().GetUiLanguage());
}

}  // namespace

std::string RedirectLink(std::string_view serviceUrl, int page, int pid, int uil) {
  return Start(serviceUrl, page) + Field("pid", pid) + Field("uil", uil);
}

std::string UserRedirectLink(std::string_view serviceUrl, int page, int pid, int uil,
                             std::int32_t userId, int sessionNumber) {
  return RedirectLink(serviceUrl, page, pid, uil) + Field("uid", userId + kUserIdOffset) +
         Field("l", sessionNumber);
}

std::string InfoRedirectLink(std::string_view serviceUrl, int page, int uil, int pid) {
  return Start(serviceUrl, page) + Field("uil", uil) + Field("pid", pid);
}

std::string LoginRedirectLink(std::string_view serviceUrl, int page, int uil, int pid,
                              int sessionNumber) {
  return InfoRedirectLink(serviceUrl, page, uil, pid) + Field("l", sessionNumber);
}

std::optional<std::string> StoredResultLink(std::string_view serviceUrl, int pid, int uil,
                                            std::string_view resultId, int targetFormat,
                                            bool secureSource) {
  if (resultId.size() < kShortestResultId || resultId.size() > kLongestResultId) {
    return std::nullopt;
  }
  std::string escapedId;
  if (EncodeUrlField(resultId, escapedId) < 0) return std::nullopt;
  return RedirectLink(serviceUrl, kPageStoredResult, pid, uil) + "&rid=" + escapedId +
         Field("f", targetFormat) + Field("s", secureSource ? 1 : 0);
}

void RedirectLinks::OpenRedirectLink(int page) const {
  opener_.Open(
      RedirectLink(Config::kDefaultServiceUrl, page, Config::kProductId, UiLanguageNumber(state_)));
}

void RedirectLinks::OpenUserRedirectLink(int page) const {
  opener_.Open(UserRedirectLink(Config::kDefaultServiceUrl, page, Config::kProductId,
                                UiLanguageNumber(state_), state_.UserId(), state_.SessionNumber()));
}

void RedirectLinks::OpenLoginRedirectLink(int page) const {
  opener_.Open(LoginRedirectLink(Config::kDefaultServiceUrl, page, UiLanguageNumber(state_),
                                 Config::kProductId, state_.SessionNumber()));
}

void RedirectLinks::OpenInfoRedirectLink(int page) const {
  opener_.Open(InfoRedirectLink(Config::kDefaultServiceUrl, page, UiLanguageNumber(state_),
                                Config::kProductId));
}

}  // namespace vorla

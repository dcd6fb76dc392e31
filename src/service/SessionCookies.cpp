#include "service/SessionCookies.h"

#include <mutex>

#include "common/Windows1252.h"

namespace vorla {

namespace {

// The header is kept in 1024 bytes with its terminator, and the value read from the answer
// in 1004.
constexpr std::size_t kMaxCookieValue = 1003;

struct CookieStore {
  std::mutex mutex;
  bool enabled = false;
  std::string secureHeader;
  std::string plainHeader;

  std::string& HeaderFor(bool secure) { return secure ? secureHeader : plainHeader; }
};

CookieStore& Store() {
  static CookieStore store;
  return store;
}

void Reset(bool enabled) {
  CookieStore& store = Store();
  std::lock_guard lock(store.mutex);
  store.enabled = enabled;
  store.secureHeader.clear();
  store.plainHeader.clear();
}

}  // namespace

void InitSessionCookies() {
  Reset(true);
}

void FreeSessionCookies() {
  Reset(false);
}

void ClearSessionCookies() {
  CookieStore& store = Store();
  std::lock_guard lock(store.mutex);
  store.secureHeader.clear();
  store.plainHeader.clear();
}

bool SessionCookiesEnabled() {
  CookieStore& store = Store();
  std::lock_guard lock(store.mutex);
  return store.enabled;
}

std::string SessionCookieHeader(bool secure) {
  CookieStore& store = Store();
  std::lock_guard lock(store.mutex);
  return store.enabled ? store.HeaderFor(secure) : std::string();
}

void CaptureSessionCookie(bool secure, std::string_view setCookieValue) {
  if (setCookieValue.empty() || setCookieValue.size() > kMaxCookieValue) return;
  CookieStore& store = Store();
  std::lock_guard lock(store.mutex);
  if (!store.enabled) return;
  store.HeaderFor(secure) = "Cookie: " + std::string(setCookieValue);
}

bool IsSecureUrl(std::string_view url) {
  constexpr std::string_view kScheme = "https://";
  return url.size() >= kScheme.size() &&
         Cp1252CompareNoCase(url.substr(0, kScheme.size()), kScheme) == 0;
}

}  // namespace vorla

#pragma once

#include <string>
#include <string_view>

namespace vorla {

// Why an address is not translated.
enum class WebAddressCheck : int {
  Accepted = 0,
  Invalid = 1,
  Local = 2,
  ServiceItself = 3,
  UntranslatedType = 4,
};

// An address ready for a web job.
struct WebAddress {
  WebAddressCheck check = WebAddressCheck::Invalid;
  // The address with its scheme completed and its backslashes made slashes, query and
  // fragment kept; empty unless accepted.
  std::string address;
  // 3 for a web page, 1 to 15 for an online document.
  int format = 3;
  // The last path component of an online document of a known format; empty otherwise.
  std::string fileName;
};

// The normalised address is shorter than this.
inline constexpr std::size_t kMaxWebAddressLength = 1024;

// Checks an address typed by the user (Windows-1252) against the local addresses, the
// service's own address `serviceUrl` and the file types that are not translated, and
// completes its scheme ("example.com" becomes "https://example.com").
WebAddress NormaliseWebAddress(std::string_view text, std::string_view serviceUrl);

// Whether the address begins with "https://", compared without regard to case.
bool IsSecureWebAddress(std::string_view address);

}  // namespace vorla

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorla {

class Config;
class Opener;
class TranslatorState;

// Pages of the service's redirect links.
inline constexpr int kPagePassword = 2;       // "Forgot your password?"
inline constexpr int kPageUserGuide = 4;      // "User Guide"
inline constexpr int kPageSupport = 9;        // "Product support", "Contact us"
inline constexpr int kPageFeedback = 11;      // "Send feedback"
inline constexpr int kPageStoredResult = 20;  // a translation result kept on the service
inline constexpr int kPageSpeech = 50;        // the About box's speech link

// The four forms of a redirect address on the service.
// "%s?cmd=redir&page=%d&pid=%d&uil=%d"
std::string RedirectLink(std::string_view serviceUrl, int page, int pid, int uil);
// "%s?cmd=redir&page=%d&pid=%d&uil=%d&uid=%d&l=%d", uid being the user id plus 1048576.
std::string UserRedirectLink(std::string_view serviceUrl, int page, int pid, int uil,
                             std::int32_t userId, int sessionNumber);
// "%s?cmd=redir&page=%d&uil=%d&pid=%d", the link of the About box.
std::string InfoRedirectLink(std::string_view serviceUrl, int page, int uil, int pid);
// "%s?cmd=redir&page=%d&uil=%d&pid=%d&l=%d", the links of the login dialog.
std::string LoginRedirectLink(std::string_view serviceUrl, int page, int uil, int pid,
                              int sessionNumber);
// "%s?cmd=redir&page=%d&pid=%d&uil=%d&rid=%s&f=%d&s=%d" on page 20 for a result id of 8 to
// 127 characters, escaped as an address field; nothing for any other id.
std::optional<std::string> StoredResultLink(std::string_view serviceUrl, int pid, int uil,
                                            std::string_view resultId, int targetFormat,
                                            bool secureSource);

// Opens the links of the menus and the login dialog in the user's browser, on the built-in
// service address.
class RedirectLinks {
 public:
  RedirectLinks(const TranslatorState& state, Opener& opener) : state_(state), opener_(opener) {}

  // The user guide: the first form.
  void OpenRedirectLink(int page) const;
  // Product support and feedback: the form with the user.
  void OpenUserRedirectLink(int page) const;
  // The login dialog's links.
  void OpenLoginRedirectLink(int page) const;
  // The About box's link.
  void OpenInfoRedirectLink(int page) const;

 private:
  const TranslatorState& state_;
  Opener& opener_;
};

}  // namespace vorla

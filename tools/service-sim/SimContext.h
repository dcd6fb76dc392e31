#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "DictionaryStore.h"
#include "SimAccounts.h"
#include "SimRequest.h"
#include "TranslationScript.h"

namespace vorla::sim {

// The sessions handed out at login, each a cookie value naming its user.
class SessionTable {
 public:
  static constexpr std::string_view kCookieName = "sid";

  // A new session for the user; returns the Set-Cookie value, marked Secure for a service
  // on HTTPS.
  std::string Open(std::string_view user, bool secure = false);
  // The user of the session that the first name=value pair of the request's Cookie header
  // names, if it is still valid (the client sends the cookie's attributes after it).
  std::optional<std::string> UserOf(const SimRequest& request) const;
  void ExpireAll();

 private:
  mutable std::mutex mutex_;
  std::map<std::string, std::string, std::less<>> users_;
  int next_ = 1;
};

// What the command handlers share.
struct SimContext {
  AccountTable accounts;
  SessionTable sessions;
  // Statuses and result-id answers scripted for `tr` and `gettrprice`.
  TranslationScript translation;
  // The user dictionaries of every account.
  DictionaryStore dictionaries;
  bool secure = false;  // the simulator serves HTTPS
  // The oldest client version a login with a version check accepts ("3.1.2"); empty: any.
  std::string minimumVersion;

  // The account of the request's session; nothing without a valid one, which the service
  // answers with 15 (translation, price, speech and account commands) or -12 (dictionary
  // commands and the lexicon lists).
  std::optional<SimAccount> SessionAccount(const SimRequest& request) const;
};

}  // namespace vorla::sim

#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "SimRequest.h"

namespace vorla::sim {

// The simulator's accounts: user name and password, one pair per line of a users file
// ("name password"; blank lines and lines starting with "#" are skipped).
class UserTable {
 public:
  // False when the file cannot be read or a line is not a pair.
  bool Load(const std::string& path);
  void Add(std::string name, std::string password);
  std::optional<std::string> PasswordOf(std::string_view name) const;

 private:
  mutable std::mutex mutex_;
  std::map<std::string, std::string, std::less<>> passwords_;
};

// The sessions handed out at login, each a cookie value naming its user.
class SessionTable {
 public:
  static constexpr std::string_view kCookieName = "sid";

  // A new session for the user; returns the Set-Cookie value.
  std::string Open(std::string_view user);
  // The user of the session the request's cookie names, if it is still valid.
  std::optional<std::string> UserOf(const SimRequest& request) const;
  void ExpireAll();

 private:
  mutable std::mutex mutex_;
  std::map<std::string, std::string, std::less<>> users_;
  int next_ = 1;
};

// What the command handlers share.
struct SimContext {
  UserTable users;
  SessionTable sessions;
};

}  // namespace vorla::sim

#include "SimContext.h"

#include <fstream>
#include <sstream>

namespace vorla::sim {

bool UserTable::Load(const std::string& path) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string name, password, extra;
    if (!(words >> name) || name.starts_with('#')) continue;
    if (!(words >> password) || (words >> extra)) return false;
    Add(std::move(name), std::move(password));
  }
  return true;
}

void UserTable::Add(std::string name, std::string password) {
  std::lock_guard lock(mutex_);
  passwords_[std::move(name)] = std::move(password);
}

std::optional<std::string> UserTable::PasswordOf(std::string_view name) const {
  std::lock_guard lock(mutex_);
  const auto found = passwords_.find(name);
  if (found == passwords_.end()) return std::nullopt;
  return found->second;
}

std::string SessionTable::Open(std::string_view user) {
  std::lock_guard lock(mutex_);
  const std::string id = "s" + std::to_string(next_++);
  users_[id] = user;
  return std::string(kCookieName) + "=" + id + "; Path=/; HttpOnly";
}

std::optional<std::string> SessionTable::UserOf(const SimRequest& request) const {
  const std::optional<std::string> id = request.Cookie(kCookieName);
  if (!id) return std::nullopt;
  std::lock_guard lock(mutex_);
  const auto found = users_.find(*id);
  if (found == users_.end()) return std::nullopt;
  return found->second;
}

void SessionTable::ExpireAll() {
  std::lock_guard lock(mutex_);
  users_.clear();
}

}  // namespace vorla::sim

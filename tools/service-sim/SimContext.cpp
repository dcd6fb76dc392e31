#include "SimContext.h"

namespace vorla::sim {

std::string SessionTable::Open(std::string_view user, bool secure) {
  std::lock_guard lock(mutex_);
  const std::string id = "s" + std::to_string(next_++);
  users_[id] = user;
  return std::string(kCookieName) + "=" + id + "; Path=/; HttpOnly" + (secure ? "; Secure" : "");
}

std::optional<std::string> SessionTable::UserOf(const SimRequest& request) const {
  const std::optional<std::string> header = request.Header("Cookie");
  if (!header) return std::nullopt;
  std::string_view pair = std::string_view(*header).substr(0, header->find(';'));
  while (pair.starts_with(' '))
    pair.remove_prefix(1);
  const std::string prefix = std::string(kCookieName) + "=";
  if (!pair.starts_with(prefix)) return std::nullopt;
  const std::string id(pair.substr(prefix.size()));
  std::lock_guard lock(mutex_);
  const auto found = users_.find(id);
  if (found == users_.end()) return std::nullopt;
  return found->second;
}

void SessionTable::ExpireAll() {
  std::lock_guard lock(mutex_);
  users_.clear();
}

std::optional<SimAccount> SimContext::SessionAccount(const SimRequest& request) const {
  const auto user = sessions.UserOf(request);
  if (!user) return std::nullopt;
  return accounts.Find(*user);
}

}  // namespace vorla::sim

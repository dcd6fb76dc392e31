#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DictionaryStream.h"

namespace vorla::sim {

// One dictionary the service keeps for a user.
struct StoredDictionary {
  std::int32_t vocid = 0;
  std::int32_t voctype = 1;  // 3: a session dictionary, never listed
  std::int32_t vocsubtype = 0;
  std::int32_t shtype = 0;
  std::int32_t srclan = 0;
  std::int32_t tgtlan = 1;
  std::string name;  // Windows-1252, as the client sent it
  std::string description;
  std::string stream;
  std::vector<StoredTerm> terms;  // of a Normal or Phrases dictionary, as the engine applies them
};

// The user dictionaries of every account, by account name. Identifiers are handed out from
// 10000 up, one sequence for the whole service. Safe to use from the connection threads.
class DictionaryStore {
 public:
  static constexpr std::int32_t kFirstId = 10'000;

  // The new dictionary's identifier, never below `lowest` (the account's fixed listed rows
  // keep theirs); nothing when the user has one of that name and direction already.
  std::optional<std::int32_t> Create(std::string_view user, StoredDictionary dictionary,
                                     std::int32_t lowest = kFirstId);
  // False when the user has no such dictionary. The identifier and the name stay unique.
  bool Replace(std::string_view user, StoredDictionary dictionary);
  bool Remove(std::string_view user, std::int32_t vocid);
  std::optional<StoredDictionary> Find(std::string_view user, std::int32_t vocid) const;
  // The user's dictionaries in the order of their identifiers.
  std::vector<StoredDictionary> All(std::string_view user) const;
  // How many the user keeps, session dictionaries aside.
  int CountListed(std::string_view user) const;

 private:
  using UserDictionaries = std::map<std::int32_t, StoredDictionary>;

  bool NameTaken(const UserDictionaries& dictionaries, const StoredDictionary& dictionary) const;

  mutable std::mutex mutex_;
  std::map<std::string, UserDictionaries, std::less<>> users_;
  std::int32_t nextId_ = kFirstId;
};

}  // namespace vorla::sim

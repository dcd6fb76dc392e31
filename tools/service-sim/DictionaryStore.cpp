#include "DictionaryStore.h"

#include <algorithm>

namespace vorla::sim {

namespace {
constexpr std::int32_t kSessionDictionary = 3;
}  // namespace

bool DictionaryStore::NameTaken(const UserDictionaries& dictionaries,
                                const StoredDictionary& dictionary) const {
  return std::ranges::any_of(dictionaries, [&](const auto& stored) {
    const StoredDictionary& other = stored.second;
    return other.vocid != dictionary.vocid && other.name == dictionary.name &&
           other.srclan == dictionary.srclan && other.tgtlan == dictionary.tgtlan;
  });
}

std::optional<std::int32_t> DictionaryStore::Create(std::string_view user,
                                                    StoredDictionary dictionary,
                                                    std::int32_t lowest) {
  std::lock_guard lock(mutex_);
  auto& dictionaries = users_[std::string(user)];
  dictionary.vocid = 0;
  if (NameTaken(dictionaries, dictionary)) return std::nullopt;
  dictionary.vocid = std::max(nextId_, lowest);
  nextId_ = dictionary.vocid + 1;
  const std::int32_t vocid = dictionary.vocid;
  dictionaries.emplace(vocid, std::move(dictionary));
  return vocid;
}

bool DictionaryStore::Replace(std::string_view user, StoredDictionary dictionary) {
  std::lock_guard lock(mutex_);
  const auto found = users_.find(user);
  if (found == users_.end() || !found->second.contains(dictionary.vocid)) return false;
  if (NameTaken(found->second, dictionary)) return false;
  found->second[dictionary.vocid] = std::move(dictionary);
  return true;
}

bool DictionaryStore::Remove(std::string_view user, std::int32_t vocid) {
  std::lock_guard lock(mutex_);
  const auto found = users_.find(user);
  return found != users_.end() && found->second.erase(vocid) == 1;
}

std::optional<StoredDictionary> DictionaryStore::Find(std::string_view user,
                                                      std::int32_t vocid) const {
  std::lock_guard lock(mutex_);
  const auto found = users_.find(user);
  if (found == users_.end()) return std::nullopt;
  const auto dictionary = found->second.find(vocid);
  if (dictionary == found->second.end()) return std::nullopt;
  return dictionary->second;
}

std::vector<StoredDictionary> DictionaryStore::All(std::string_view user) const {
  std::lock_guard lock(mutex_);
  std::vector<StoredDictionary> all;
  if (const auto found = users_.find(user); found != users_.end()) {
    for (const auto& [vocid, dictionary] : found->second)
      all.push_back(dictionary);
  }
  return all;
}

int DictionaryStore::CountListed(std::string_view user) const {
  const std::vector<StoredDictionary> all = All(user);
  return static_cast<int>(std::ranges::count_if(
      all, [](const StoredDictionary& d) { return d.voctype != kSessionDictionary; }));
}

}  // namespace vorla::sim

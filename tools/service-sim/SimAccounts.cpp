#include "SimAccounts.h"

#include <openssl/evp.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <functional>
#include <iomanip>
#include <sstream>
#include <vector>

namespace vorla::sim {

namespace {

constexpr std::string_view kDomainEnglishFinnish =
    "1:0:0:0:Economy & Trade;3:0:0:0:Information Technology;5:0:0:0:Engineering;"
    "9:0:0:0:Health & Biology;14:0:0:0:Chemistry;";
constexpr std::string_view kDomainFinnishEnglish = "3:0:0:0:Information Technology;";

bool ParseNumber(std::string_view text, int& out) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc() && end == text.data() + text.size();
}

std::string Spaced(std::string_view text) {
  std::string spaced(text);
  std::ranges::replace(spaced, '_', ' ');
  return spaced;
}

// Sets one key=value of an accounts file line; false for an unknown key or a bad number.
bool SetField(SimAccount& account, std::string_view key, std::string_view value) {
  const std::map<std::string_view, int*> numbers = {
      {"type", &account.accountType},
      {"quota", &account.quota},
      {"pairs", &account.pairBits},
      {"exempt", &account.priceExempt},
      {"status", &account.status},
      {"maxlen", &account.maxTranslationLength},
      {"maxcount", &account.maxDictionaries},
      {"maxsize", &account.maxDictionarySize},
      {"trtimeout", &account.textTimeout},
      {"filetimeout", &account.fileTimeout},
  };
  if (const auto number = numbers.find(key); number != numbers.end()) {
    return ParseNumber(value, *number->second);
  }
  const std::map<std::string_view, std::string*> texts = {
      {"first", &account.firstName}, {"last", &account.lastName}, {"company", &account.company}};
  if (const auto text = texts.find(key); text != texts.end()) {
    *text->second = Spaced(value);
    return true;
  }
  return false;
}

}  // namespace

std::string PasswordDigest(std::string_view password) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  EVP_Digest(password.data(), password.size(), digest, &length, EVP_md5(), nullptr);
  std::ostringstream hex;
  for (unsigned int i = 0; i < length; ++i) {
    hex << std::hex << std::setw(2) << std::setfill('0') << int{digest[i]};
  }
  return hex.str();
}

std::string LexiconLists(std::string_view englishFinnishUser, std::string_view finnishEnglishUser) {
  return std::string(kDomainEnglishFinnish) + std::string(englishFinnishUser) + '\n' +
         std::string(kDomainFinnishEnglish) + std::string(finnishEnglishUser);
}

SimAccount DemoAccount() {
  SimAccount demo;
  demo.name = "demo";
  demo.digest = PasswordDigest("demo");
  demo.pairBits = 7;
  demo.priceExempt = 1;
  demo.firstName = "Demo";
  demo.lastName = "User";
  demo.company = "Vorla Systems";
  demo.lexicons = LexiconLists("10001:0:1:0:Demo terms;", "10002:0:1:1:Demo phrases;");
  return demo;
}

std::vector<SimAccount> PriceTestAccounts() {
  struct Paying {
    int type;
    int quota;
  };
  constexpr Paying kPaying[] = {{1, 25'000}, {2, 0}, {3, 1000}, {4, 1000}};
  std::vector<SimAccount> accounts;
  for (const Paying& paying : kPaying) {
    SimAccount account;
    account.name = "price" + std::to_string(paying.type);
    account.digest = PasswordDigest("price");
    account.accountType = paying.type;
    account.quota = paying.quota;
    account.lexicons = LexiconLists({}, {});
    accounts.push_back(std::move(account));
  }
  return accounts;
}

bool AccountTable::Load(const std::string& path) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    SimAccount account;
    if (!(words >> account.name) || account.name.starts_with('#')) continue;
    if (!(words >> account.digest) || account.digest.size() != 32) return false;
    account.lexicons = LexiconLists({}, {});
    std::string setting;
    while (words >> setting) {
      const std::size_t equals = setting.find('=');
      if (equals == std::string::npos) return false;
      if (!SetField(account, std::string_view(setting).substr(0, equals),
                    std::string_view(setting).substr(equals + 1))) {
        return false;
      }
    }
    Add(std::move(account));
  }
  return true;
}

void AccountTable::Add(SimAccount account) {
  std::lock_guard lock(mutex_);
  if (account.userId == 0) account.userId = nextUserId_++;
  std::string name = account.name;
  accounts_[std::move(name)] = std::move(account);
}

std::optional<SimAccount> AccountTable::Find(std::string_view name) const {
  std::lock_guard lock(mutex_);
  const auto found = accounts_.find(name);
  if (found == accounts_.end()) return std::nullopt;
  return found->second;
}

bool AccountTable::SetDigest(std::string_view name, std::string digest) {
  std::lock_guard lock(mutex_);
  const auto found = accounts_.find(name);
  if (found == accounts_.end()) return false;
  found->second.digest = std::move(digest);
  return true;
}

}  // namespace vorla::sim

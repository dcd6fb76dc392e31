#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::sim {

// One account of the simulated service and everything its answers tell about it.
struct SimAccount {
  std::string name;
  std::string digest;  // MD5 of the password, 32 lower-case hexadecimal digits
  int userId = 0;
  // 0 for an account that may log in; otherwise the status every login answers
  // (5 disabled, 8, 12 access denied).
  int status = 0;
  int accountType = 2;
  int quota = 0;
  int pairBits = 3;
  int priceExempt = 0;
  int maxTranslationLength = 100'000'000;
  int maxDictionaries = 80;
  int maxDictionarySize = 100'000;
  int textTimeout = 120'000;
  int fileTimeout = 300'000;
  std::string firstName;
  std::string lastName;
  std::string company;
  // The `getlexinfo` payload: the English-to-Finnish list, a line feed, the
  // Finnish-to-English list.
  std::string lexicons;
};

// The demo account of scripts and tests: "demo" / "demo", both English-Finnish directions
// and English to Swedish, exempt from the price check.
SimAccount DemoAccount();

// Accounts that pay for translations (not price-exempt), one of each account type, all with
// both English-Finnish directions; each password is "price":
// - "price1": type 1, quota 25000 thousandths of a token: enough for 200 words at the price
//   of type 1 (Pricing.h), not for 201;
// - "price2": type 2, quota 0, which always suffices;
// - "price3" and "price4": types 3 and 4 (the further languages of the first and second
//   list), quota 1000: enough for a source of 1000 words, not for 1001.
std::vector<SimAccount> PriceTestAccounts();

// The domain lexicons every account may select, followed by the given user dictionaries.
std::string LexiconLists(std::string_view englishFinnishUser, std::string_view finnishEnglishUser);

// The MD5 digest of a password as the client sends it.
std::string PasswordDigest(std::string_view password);

// The accounts of the simulator, by name.
class AccountTable {
 public:
  // One account a line: the name, the password digest, then any of type=, quota=, pairs=,
  // exempt=, status=, maxlen=, maxcount=, maxsize=, trtimeout=, filetimeout=, first=,
  // last=, company= (an "_" in a text stands for a blank). Blank lines and lines starting
  // with "#" are skipped. False when the file cannot be read or a line is malformed.
  bool Load(const std::string& path);
  void Add(SimAccount account);
  std::optional<SimAccount> Find(std::string_view name) const;
  // False for an unknown account.
  bool SetDigest(std::string_view name, std::string digest);

 private:
  mutable std::mutex mutex_;
  std::map<std::string, SimAccount, std::less<>> accounts_;
  int nextUserId_ = 1001;
};

}  // namespace vorla::sim

// The commands of a logged-in user about the account: the lexicon lists, the account text
// and the password change.
#include "AccountCommands.h"

#include "ServiceSimulator.h"

namespace vorla::sim {

namespace {

constexpr char kFieldEnd = '\x01';
// What a request without a valid session gets: account commands 15, the lexicon lists -12.
constexpr std::int32_t kAccountSessionExpired = 15;
constexpr std::int32_t kDictionarySessionExpired = -12;
constexpr std::int32_t kPasswordNotAccepted = 5;
constexpr std::size_t kShortestPassword = 6;
constexpr int kUnusedNumbers = 6;

SimAnswer Framed(std::int32_t status, const std::string& payload = {}) {
  SimAnswer answer;
  answer.body = Int32s({status, static_cast<std::int32_t>(payload.size())}) + payload;
  return answer;
}

SimAnswer LexiconInfo(const SimRequest& request, SimContext& context) {
  const auto account = context.SessionAccount(request);
  if (!account) return Framed(kDictionarySessionExpired);
  return Framed(0, account->lexicons);
}

SimAnswer AccountInfo(const SimRequest& request, SimContext& context) {
  const auto account = context.SessionAccount(request);
  if (!account) return Framed(kAccountSessionExpired);
  std::string text;
  for (const std::string* field :
       {&account->name, &account->firstName, &account->lastName, &account->company}) {
    text += *field + kFieldEnd;
  }
  for (int i = 0; i < kUnusedNumbers; ++i)
    text += std::string("0") + kFieldEnd;
  text += std::to_string(account->accountType) + kFieldEnd;
  text += std::to_string(account->quota) + kFieldEnd;
  return Framed(0, text);
}

SimAnswer UpdateAccount(const SimRequest& request, SimContext& context) {
  const auto account = context.SessionAccount(request);
  if (!account) return Framed(kAccountSessionExpired);
  const std::string* password = request.Field("passwd");
  if (!password || password->size() < kShortestPassword) return Framed(kPasswordNotAccepted);
  context.accounts.SetDigest(account->name, PasswordDigest(*password));
  return Framed(0);
}

}  // namespace

void RegisterAccountCommands(ServiceSimulator& simulator) {
  simulator.Register("chkrauth", &CheckAuthentication);
  simulator.Register("getlexinfo", &LexiconInfo);
  simulator.Register("getaccountinfo", &AccountInfo);
  simulator.Register("updateaccountinfo", &UpdateAccount);
}

}  // namespace vorla::sim

// The commands of a logged-in user about the account: the lexicon lists, the account text
// and the password change.
#include "AccountCommands.h"

#include <array>
#include <optional>
#include <span>

#include "DictionaryCommands.h"
#include "FieldReader.h"
#include "ServiceCodes.h"
#include "ServiceSimulator.h"

namespace vorla::sim {

namespace {

constexpr char kFieldEnd = '\x01';
// What a request without a valid session gets: account commands 15, the lexicon lists -12.
constexpr std::int32_t kAccountSessionExpired = 15;
constexpr std::int32_t kPasswordNotAccepted = 5;
constexpr std::size_t kShortestPassword = 6;
constexpr int kUnusedNumbers = 6;

constexpr std::array<std::string_view, 7> kLexiconInfoFields = {
    "cmd", "p", "lanpairs", "voctype", "nvoctype", "pid", "uid"};
constexpr std::array<std::string_view, 3> kAccountInfoFields = {"cmd", "p", "pid"};
constexpr std::array<std::string_view, 4> kUpdateAccountFields = {"cmd", "p", "pid", "passwd"};
constexpr std::int32_t kLexiconInfoVersion = 7;
constexpr std::int32_t kAccountVersion = 2;
constexpr std::string_view kPasswordField = "passwd";

// HTTP 400 for a request that breaks the protocol of its command, whose fields are all
// required and in this order: cmd, p with the command's version, then numbers, the new
// password being the one text.
std::optional<SimAnswer> Malformed(const SimRequest& request, std::string_view command,
                                   std::span<const std::string_view> order, std::int32_t version) {
  FieldReader fields(request, order);
  fields.RequiredValue("p", version);
  for (const std::string_view name : order.subspan(2)) {
    if (name == kPasswordField) {
      fields.RequiredText(name);
    } else {
      fields.Required(name);
    }
  }
  if (fields.ok()) return std::nullopt;
  return MalformedRequest(command, fields.refusal());
}

SimAnswer LexiconInfo(const SimRequest& request, SimContext& context) {
  if (auto refused = Malformed(request, "getlexinfo", kLexiconInfoFields, kLexiconInfoVersion))
    return *refused;
  const auto account = context.SessionAccount(request);
  if (!account) return FramedAnswer(status::kDictionarySessionExpired);
  return FramedAnswer(
      0, WithUserDictionaries(account->lexicons, context.dictionaries.All(account->name)));
}

SimAnswer AccountInfo(const SimRequest& request, SimContext& context) {
  if (auto refused = Malformed(request, "getaccountinfo", kAccountInfoFields, kAccountVersion))
    return *refused;
  const auto account = context.SessionAccount(request);
  if (!account) return FramedAnswer(kAccountSessionExpired);
  std::string text;
  for (const std::string* field :
       {&account->name, &account->firstName, &account->lastName, &account->company}) {
    text += *field + kFieldEnd;
  }
  for (int i = 0; i < kUnusedNumbers; ++i)
    text += std::string("0") + kFieldEnd;
  text += std::to_string(account->accountType) + kFieldEnd;
  text += std::to_string(account->quota) + kFieldEnd;
  return FramedAnswer(0, text);
}

SimAnswer UpdateAccount(const SimRequest& request, SimContext& context) {
  if (auto refused = Malformed(request, "updateaccountinfo", kUpdateAccountFields, kAccountVersion))
    return *refused;
  const auto account = context.SessionAccount(request);
  if (!account) return FramedAnswer(kAccountSessionExpired);
  const std::string* password = request.Field(kPasswordField);
  if (password->size() < kShortestPassword) return FramedAnswer(kPasswordNotAccepted);
  context.accounts.SetDigest(account->name, PasswordDigest(*password));
  return FramedAnswer(0);
}

}  // namespace

std::span<const SimCommand> AccountCommands() {
  constexpr AnswerFaults kFramed{.lyingLength = true, .expireSession = true};
  static const SimCommand commands[] = {
      {"chkrauth", &CheckAuthentication, {.noSetCookie = true}},
      {"getlexinfo", &LexiconInfo, kFramed},
      {"getaccountinfo", &AccountInfo, kFramed},
      {"updateaccountinfo", &UpdateAccount, kFramed},
  };
  return commands;
}

void RegisterAccountCommands(ServiceSimulator& simulator) {
  RegisterCommands(simulator, AccountCommands());
}

}  // namespace vorla::sim

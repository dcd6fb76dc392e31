#include <array>
#include <charconv>
#include <vector>

#include "AccountCommands.h"
#include "FieldReader.h"
#include "ServiceSimulator.h"

namespace vorla::sim {

namespace {

constexpr std::int32_t kNoUser = 2;
constexpr std::int32_t kInvalidPassword = 3;
constexpr std::int32_t kNothingMore = 8;
constexpr std::int32_t kClientTooOld = 15;
// The English-Finnish engine version the answer reports: 5.2.10.1, built 20240115.
constexpr std::int32_t kEngineVersion = 0x05020A01;
constexpr std::int32_t kEngineBuild = 20240115;

constexpr std::array<std::string_view, 14> kFieldOrder = {"cmd",  "p",     "type",  "pid",   "ver",
                                                          "uil",  "plt",   "osmav", "osmiv", "ost",
                                                          "dspm", "login", "pwd",   "vchkt"};
constexpr std::int32_t kProtocolVersion = 12;
constexpr std::int32_t kLoginType = 1;

// A `chkrauth` request as the service reads it: every field but vchkt required, in order.
struct LoginRequest {
  std::string refusal;  // a protocol break; empty for a good request
  std::string version;
  std::string user;
  std::string digest;
  bool versionCheck = false;
};

LoginRequest DecodeLoginRequest(const SimRequest& request) {
  LoginRequest login;
  FieldReader fields(request, kFieldOrder);
  fields.RequiredValue("p", kProtocolVersion);
  fields.RequiredValue("type", kLoginType);
  login.version = fields.RequiredText("ver");
  for (const std::string_view name : {"pid", "uil", "plt", "osmav", "osmiv", "ost", "dspm"}) {
    fields.Required(name);
  }
  login.user = fields.RequiredText("login");
  login.digest = fields.RequiredText("pwd");
  if (const auto check = fields.Number("vchkt")) {
    if (*check != 1) fields.Refuse("vchkt is sent only as 1");
    login.versionCheck = true;
  }
  login.refusal = fields.refusal();
  return login;
}

std::vector<int> VersionParts(std::string_view text) {
  std::vector<int> parts;
  while (!text.empty()) {
    int part = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), part);
    if (error != std::errc()) break;
    parts.push_back(part);
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    if (!text.starts_with('.')) break;
    text.remove_prefix(1);
  }
  parts.resize(4);
  return parts;
}

SimAnswer Refuse(std::int32_t status) {
  SimAnswer answer;
  answer.body = Int32s({status});
  // After any refusal but 8 the service sends a block the client reads and ignores.
  if (status != kNothingMore) answer.body += std::string(16, '\0');
  return answer;
}

}  // namespace

SimAnswer CheckAuthentication(const SimRequest& request, SimContext& context) {
  const LoginRequest login = DecodeLoginRequest(request);
  if (!login.refusal.empty()) return MalformedRequest("chkrauth", login.refusal);
  // A client older than the service supports logs in only to ask for its update.
  if (!login.versionCheck && !context.minimumVersion.empty() &&
      VersionParts(login.version) < VersionParts(context.minimumVersion)) {
    return Refuse(kClientTooOld);
  }
  const auto account = context.accounts.Find(login.user);
  if (!account) return Refuse(kNoUser);
  if (login.digest != account->digest) return Refuse(kInvalidPassword);
  if (account->status != 0) return Refuse(account->status);

  SimAnswer answer;
  answer.body = Int32s({0,
                        account->userId,
                        account->priceExempt,
                        0,
                        0,
                        0,
                        0,
                        account->maxTranslationLength,
                        account->maxDictionaries,
                        account->maxDictionarySize,
                        account->pairBits,
                        0,
                        account->textTimeout,
                        account->fileTimeout,
                        account->accountType,
                        account->quota,
                        0,
                        0,
                        kEngineVersion,
                        kEngineBuild});
  answer.setCookie = context.sessions.Open(account->name, context.secure);
  return answer;
}

}  // namespace vorla::sim

// `chkrauth`: the login request.
#include "service/AnswerReader.h"
#include "service/AuthenticationLock.h"
#include "service/CMD5Checksum.h"
#include "service/FormEncoding.h"
#include "service/LoginAnswer.h"
#include "service/LoginResults.h"
#include "service/ServiceClient.h"
#include "translation/TranslatorState.h"

namespace vorla {

namespace {

constexpr std::int32_t kLoginTimeoutMs = 20'000;
constexpr int kAccountTypeLogin = 1;
// Read after a status other than 0 and 8, and not used.
constexpr std::size_t kFailureBlockIntegers = 4;

std::string LoginBody(const CommonFields& fields, std::string_view userName,
                      std::string_view passwordText, bool versionCheck) {
  std::string body =
      "cmd=chkrauth&p=12&type=" + std::to_string(kAccountTypeLogin) +
      "&pid=" + std::to_string(fields.pid) + "&ver=" + fields.ver +
      "&uil=" + std::to_string(fields.uil) + "&plt=" + std::to_string(fields.plt) +
      "&osmav=" + std::to_string(fields.osmav) + "&osmiv=" + std::to_string(fields.osmiv) +
      "&ost=" + std::to_string(fields.ost) + "&dspm=" + std::to_string(fields.dspm) + "&login=";
  // The name is escaped, so that "&", "=", "+", "%" or a blank in it cannot split the form.
  EncodeFormString(userName, body);
  body += "&pwd=";
  body += passwordText;
  if (versionCheck) body += "&vchkt=1";
  return body;
}

}  // namespace

std::int32_t ServiceClient::CheckAuthentication(TranslatorState& state, std::string_view userName,
                                                std::string_view password,
                                                const std::optional<std::string>& storedDigest,
                                                bool versionCheck, int repeatMode,
                                                RefPtr<IHttpConnObserver> jobObserver) {
  if (IsCancelled()) return kLoginCancelled;
  const auto lock = LockAuthentication();
  if (!lock.owns_lock()) return kLoginNoConnection;
  if (userName.empty()) {
    state.Logout();
    return kLoginNoUser;
  }

  const std::string digest = storedDigest ? *storedDigest : CMD5Checksum::HexDigest(password);
  // The stored length stays when the stored digest was sent.
  const std::optional<int> typedLength =
      storedDigest ? std::nullopt : std::optional<int>(static_cast<int>(password.size()));
  const std::string body = LoginBody(Fields(), userName, digest, versionCheck);

  const auto attempt = [&](int mode) -> Attempt {
    const ConnectionLease conn = OpenConnection(nullptr, 0, true, mode);
    if (!conn) return Attempt::Because(Transport::Failed);
    const Transport sent = Send(*conn, ServiceUrl(), body, kLoginTimeoutMs, false);
    if (sent != Transport::Ok) return Attempt::Because(sent);
    AnswerReader reader(*conn);
    std::int32_t status = 0;
    if (!reader.ReadIntegers({&status, 1})) return Attempt::Because(Transport::Lost);
    if (status == kLoginOk) {
      LoginAnswerBlock block{};
      if (!reader.ReadIntegers(block)) return Attempt::Because(Transport::Lost);
      ApplyLoginAnswer(block, state);
      state.SetPasswordDigest(digest, typedLength);
      if (state.GetLexiconInfo() != 0) return Attempt::Because(Transport::Lost);
      state.SetLoggedIn(true);
      state.CountLogin();
      return Attempt::Answered(kLoginOk);
    }
    if (status == kLoginNoMoreData) return Attempt::Answered(status);
    std::array<std::int32_t, kFailureBlockIntegers> ignored{};
    if (!reader.ReadIntegers(ignored)) return Attempt::Because(Transport::Lost);
    state.SetLoggedIn(false);
    state.SetAccount(0, 0);
    state.SetPasswordDigest(digest, typedLength);
    return Attempt::Answered(status);
  };
  // Only a login that a job waits for is repeated, and the job's display says so.
  const int mode = repeatMode == kRepeatOnce && jobObserver ? kRepeatOnce : kNeverRepeat;
  const auto announceRepeat = [&] {
    if (IAuthenticationObserver* observer = state.Observer()) {
      observer->OnLoginRetry(*this, jobObserver.get());
    }
  };
  return RepeatAfterLostConnection(mode, {kLoginNoConnection, kLoginCancelled}, attempt,
                                   announceRepeat);
}

}  // namespace vorla

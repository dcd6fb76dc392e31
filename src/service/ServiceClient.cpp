#include "service/ServiceClient.h"

#include <limits>

#include "service/SessionCookies.h"
#include "translation/TranslatorState.h"

namespace vorla {

void ServiceClient::Initialise(RefPtr<Config> config, TranslatorState& state,
                               std::shared_ptr<HttpConnFactory> connections) {
  Initialise(std::move(config), static_cast<LoginSession*>(&state), std::move(connections));
  state_ = &state;
}

void ServiceClient::Initialise(RefPtr<Config> config, LoginSession* login,
                               std::shared_ptr<HttpConnFactory> connections) {
  config_ = std::move(config);
  login_ = login;
  state_ = nullptr;
  connections_ = std::move(connections);
  serviceUrl_ = config_->ServiceUrl();
  productId_ = config_->pid();
  maxTranslationLength_ = config_->limits.max_translation_len;
  maxDictionarySize_ = config_->limits.max_size;
  maxDictionaryLength_ = config_->limits.max_length;
  maxLexInfoLength_ = config_->limits.max_lex_info_len;
  translationObserver_.reset();
  dictionaryObserver_.reset();
  ReleaseConnection();
  cancelled_ = IsApplicationClosing();
}

std::int32_t ServiceClient::Cancel() {
  cancelled_ = true;
  RefPtr<IHttpConn> conn;
  {
    std::lock_guard lock(connectionMutex_);
    conn = connection_;
  }
  if (!conn) return 0;
  conn->Cancel();
  return 1;
}

void ServiceClient::SetTranslationObserver(RefPtr<IHttpConnObserver> observer) {
  translationObserver_ = std::move(observer);
}

void ServiceClient::SetDictionaryObserver(RefPtr<IHttpConnObserver> observer) {
  dictionaryObserver_ = std::move(observer);
}

ServiceClient::ConnectionLease::ConnectionLease(ServiceClient& client, RefPtr<IHttpConn> conn)
    : client_(client), conn_(std::move(conn)) {
  if (!conn_) return;
  {
    std::lock_guard lock(client_.connectionMutex_);
    client_.connection_ = conn_;
  }
  // A Cancel that came before the connection was known still reaches it.
  if (client_.IsCancelled()) conn_->Cancel();
}

ServiceClient::ConnectionLease::~ConnectionLease() {
  if (conn_) client_.ReleaseConnection();
}

void ServiceClient::ReleaseConnection() {
  RefPtr<IHttpConn> released;
  std::lock_guard lock(connectionMutex_);
  released = std::move(connection_);
}

ServiceClient::ConnectionLease ServiceClient::OpenConnection(RefPtr<IHttpConnObserver> observer,
                                                             std::int32_t observerValue,
                                                             bool useSessionCookie,
                                                             int repeatMode) {
  RefPtr<IHttpConn> conn = connections_->CreateHttpConn(Config::kProductName, std::move(observer),
                                                        option_, observerValue, useSessionCookie);
  if (conn && repeatMode == kThisIsTheRepeat) conn->SetReconnectNotice();
  return ConnectionLease(*this, std::move(conn));
}

Transport ServiceClient::Send(IHttpConn& conn, std::string_view url, std::string_view body,
                              std::int32_t timeoutMs, bool chunked) {
  if (IsCancelled()) return Transport::Cancelled;
  if (body.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    return Transport::Failed;
  }
  const std::int32_t sent = conn.SendRequest(
      url, true, body.data(), static_cast<std::int32_t>(body.size()), timeoutMs, chunked);
  if (sent == http::kCancelled || IsCancelled()) return Transport::Cancelled;
  if (sent != http::kOk) return Transport::Lost;
  std::int32_t status = 0;
  if (conn.QueryStatusCode(status) != 0 || status < 200 || status > 299) {
    return Transport::Failed;
  }
  return Transport::Ok;
}

std::int32_t ServiceClient::RepeatAfterLostConnection(int repeatMode, const FailureCodes& codes,
                                                      const std::function<Attempt(int)>& attempt,
                                                      const std::function<void()>& announceRepeat) {
  const Attempt first = attempt(repeatMode);
  Attempt last = first;
  if (first.transport == Transport::Lost && repeatMode == kRepeatOnce && !IsCancelled()) {
    if (announceRepeat) {
      announceRepeat();
    } else if (translationObserver_) {
      translationObserver_->OnReconnecting(0, 0);
    }
    last = attempt(kThisIsTheRepeat);
  }
  if (last.transport == Transport::Ok) return last.code;
  if (IsCancelled() || last.transport == Transport::Cancelled) return codes.cancelled;
  return codes.lost;
}

bool ServiceClient::RenewExpiredSession() {
  ClearSessionCookies();
  return login_ && login_->Relogin();
}

}  // namespace vorla

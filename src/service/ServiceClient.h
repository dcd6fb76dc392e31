#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "common/ApplicationClosing.h"
#include "common/RefPtr.h"
#include "config/Config.h"
#include "service/CommonFields.h"
#include "service/HttpConn.h"
#include "service/HttpConnFactory.h"
#include "service/LoginSession.h"

namespace vorla {

class TranslatorState;
class Vocabulary;
struct TranslationJob;
struct PriceRecord;

// Repeat modes of the requests that may be repeated after a lost connection.
inline constexpr int kNeverRepeat = 0;
inline constexpr int kRepeatOnce = 1;
inline constexpr int kThisIsTheRepeat = 2;

// How a request reached the service.
enum class Transport {
  Ok,      // the answer's headers are in and it is a 2xx answer
  Lost,    // the connection failed or the answer was cut short; may be repeated
  Failed,  // no usable answer, and repeating would not help (an error page)
  Cancelled,
};

// One attempt of a request: its transport, and its code when it was answered.
struct Attempt {
  Transport transport = Transport::Ok;
  std::int32_t code = 0;

  static Attempt Answered(std::int32_t code) { return {Transport::Ok, code}; }
  static Attempt Because(Transport transport) { return {transport, 0}; }
};

// The codes a request ends with when its connection fails.
struct FailureCodes {
  std::int32_t lost = 2;  // translation and most commands; the login uses 9
  std::int32_t cancelled = 10;
};

// The builder of all service requests, for one operation at a time. Holds the values every
// command shares, the connection of the request in progress, and the policies for lost
// connections and expired sessions. Only Cancel may be called from another thread. Once the
// program starts closing, every client is cancelled, so that no worker keeps it waiting.
class ServiceClient {
 public:
  ServiceClient() = default;
  ServiceClient(const ServiceClient&) = delete;
  ServiceClient& operator=(const ServiceClient&) = delete;

  // Copies the limits and the service address, forgets the observers and any cancel (but
  // stays cancelled while the program closes).
  void Initialise(RefPtr<Config> config, LoginSession* login,
                  std::shared_ptr<HttpConnFactory> connections);
  // The same for the requests that also write account values into the state and fill a
  // job's languages from it (translation and price).
  void Initialise(RefPtr<Config> config, TranslatorState& state,
                  std::shared_ptr<HttpConnFactory> connections);

  // Sets the cancelled flag and cancels the request in progress; 1 when there was one.
  std::int32_t Cancel();
  bool IsCancelled() const { return cancelled_.load(); }

  void SetTranslationObserver(RefPtr<IHttpConnObserver> observer);
  void SetDictionaryObserver(RefPtr<IHttpConnObserver> observer);
  const RefPtr<IHttpConnObserver>& TranslationObserver() const { return translationObserver_; }
  const RefPtr<IHttpConnObserver>& DictionaryObserver() const { return dictionaryObserver_; }
  void SetOption(std::int32_t option) { option_ = option; }
  std::int32_t Option() const { return option_; }

  Config& GetConfig() const { return *config_; }
  const std::string& ServiceUrl() const { return serviceUrl_; }
  std::int32_t ProductId() const { return productId_; }
  std::int32_t MaxTranslationLength() const { return maxTranslationLength_; }
  std::int32_t MaxDictionarySize() const { return maxDictionarySize_; }
  std::int32_t MaxDictionaryLength() const { return maxDictionaryLength_; }
  std::int32_t MaxLexInfoLength() const { return maxLexInfoLength_; }
  // pid, ver, uil, plt, osmav, osmiv, ost and dspm as every command sends them.
  CommonFields Fields() const { return MakeCommonFields(*config_); }
  // uid: the user id of the login, 0 without one.
  std::int32_t UserId() const { return login_ ? login_->UserId() : 0; }

  // The connection of one request, held by the client (so Cancel reaches it) until the
  // lease ends.
  class ConnectionLease {
   public:
    ConnectionLease(ServiceClient& client, RefPtr<IHttpConn> conn);
    ~ConnectionLease();
    ConnectionLease(const ConnectionLease&) = delete;
    ConnectionLease& operator=(const ConnectionLease&) = delete;

    explicit operator bool() const { return static_cast<bool>(conn_); }
    IHttpConn& operator*() const { return *conn_; }
    IHttpConn* operator->() const { return conn_.get(); }

   private:
    ServiceClient& client_;
    RefPtr<IHttpConn> conn_;
  };

  // Creates the connection of a request with the product name as agent; in repeat mode 2
  // its first notification announces the reconnect. Empty when none can be made.
  ConnectionLease OpenConnection(RefPtr<IHttpConnObserver> observer, std::int32_t observerValue,
                                 bool useSessionCookie, int repeatMode);
  // POSTs a form body and waits for the answer's headers. An answer that is not 2xx (a
  // proxy's error page) is never read as the service's answer.
  Transport Send(IHttpConn& conn, std::string_view url, std::string_view body,
                 std::int32_t timeoutMs, bool chunked);

  // Runs attempt(mode). When its connection was lost in repeat mode 1, announces the repeat
  // (by default OnReconnecting(0, 0) to the translation observer) and runs attempt(2).
  // A lost connection that is not repeated, or a failed one, ends with codes.lost; a
  // cancelled request with codes.cancelled.
  std::int32_t RepeatAfterLostConnection(int repeatMode, const FailureCodes& codes,
                                         const std::function<Attempt(int)>& attempt,
                                         const std::function<void()>& announceRepeat = {});

  // ---- Login and account (each in its own file).

  // `chkrauth`: logs the user in with the stored digest, or else with the digest of the
  // typed password, and applies the answer to the state; the lexicon lists follow. The
  // service's status, 9 when it cannot be reached, 11 when cancelled; an empty user name
  // logs out (2). A lost connection is repeated once when a job waits (repeat mode 1).
  std::int32_t CheckAuthentication(TranslatorState& state, std::string_view userName,
                                   std::string_view password,
                                   const std::optional<std::string>& storedDigest,
                                   bool versionCheck, int repeatMode,
                                   RefPtr<IHttpConnObserver> jobObserver);
  // `getlexinfo`: the two lexicon lists of the user. The status, 2 for a failed exchange,
  // 9 for lists at or over the configured length, 10 when cancelled.
  std::int32_t RequestLexiconInfo(std::string& lists);
  // `getaccountinfo`: the account text (Windows-1252). The status, 2 for a failed exchange,
  // 9 for a text over 4095 bytes; an expired session (15) logs in again once while retry
  // is 1.
  std::int32_t GetAccountInfo(std::string& text, int retry);
  // `updateaccountinfo`: the new password; the status, 2 for a failed exchange or a body
  // of 256 bytes or more.
  std::int32_t UpdateAccountInfo(std::string_view newPassword);

  // ---- Translation (each in its own file).

  // `cmd=tr`: sends the job and writes the answer into it: the result, the second part, the
  // languages the service used, the values of status 19. Repeat mode 1 repeats a lost
  // connection once (never for long or further-language requests); an expired session (15)
  // logs in again silently once while the job's `relogin` is set. The result code, also
  // stored in `error`.
  std::int32_t Translate(TranslationJob& job, int repeatMode);
  // `cmd=gettrprice`: the length in words and the price of the job's source; the account
  // type and the quota go to the state. The status, 2 for a failed exchange, 10 when
  // cancelled; an expired session logs in again once while retry is 1.
  std::int32_t GetTranslationPrice(TranslationJob& job, PriceRecord* record, int retry);

  // ---- User dictionaries (VocabularyRequests.cpp; results in service/VocabularyTransfer.h).
  // Each returns the client result and delivers the service's status (a positive one as it
  // is); an expired session (-12) logs in again silently once while retry is 1.

  // `getvoc`: with status 0 the dictionary's stream is in a new payload buffer, read in
  // pieces with download notifications to the dictionary observer. A payload over
  // max_length is not read (status -14); a negative or unfulfilled length is result 2.
  std::int32_t GetVocabulary(const Vocabulary& vocabulary, RefPtr<IDataBuffer>& payload,
                             std::int32_t& status, int retry);
  // `createvoc` (create) or `updatevoc`: sends the stream chunked with upload notifications.
  // A dictionary of more than max_size entries is not sent (result 6, status -14). For
  // `createvoc` a status from 10000 up is the new identifier.
  std::int32_t UploadVocabulary(const Vocabulary& vocabulary, std::string_view stream, bool create,
                                std::int32_t& status, int retry);
  // `removevoc`.
  std::int32_t RemoveVocabulary(const Vocabulary& vocabulary, std::int32_t& status, int retry);

  // After an answer reporting an expired session, where the request allowed a re-login
  // (the caller clears what allowed it): forgets the session cookie and logs in again.
  // True when the request should be sent once more.
  bool RenewExpiredSession();

 private:
  void ReleaseConnection();

  // The steps of Translate.
  std::int32_t TranslateOnce(TranslationJob& job, int repeatMode);
  Attempt ReadTranslationAnswer(IHttpConn& conn, TranslationJob& job, bool resultIdMode);
  // What translation and price requests share before their body: the checks, the request
  // kind (0x400 or 0x800 added to `trflagsext` when neither is there) with its time-out, the
  // packing of the source and the escaped address. 0, or the code the request ends with.
  struct PreparedRequest {
    std::int32_t timeoutMs = 0;
    std::string escapedUrl;
  };
  std::int32_t PrepareRequest(TranslationJob& job, PreparedRequest& prepared) const;

  RefPtr<Config> config_;
  LoginSession* login_ = nullptr;
  TranslatorState* state_ = nullptr;
  std::shared_ptr<HttpConnFactory> connections_;
  std::string serviceUrl_;
  std::int32_t productId_ = 0;
  std::int32_t maxTranslationLength_ = -1;
  std::int32_t maxDictionarySize_ = -1;
  std::int32_t maxDictionaryLength_ = -1;
  std::int32_t maxLexInfoLength_ = -1;
  std::int32_t option_ = 0;
  RefPtr<IHttpConnObserver> translationObserver_;
  RefPtr<IHttpConnObserver> dictionaryObserver_;
  std::atomic<bool> cancelled_{false};
  std::mutex connectionMutex_;
  RefPtr<IHttpConn> connection_;
  // Last, so that it goes first: no closing program cancels a client being destroyed.
  ClosingListener cancelOnClosing_{[this] { Cancel(); }};
};

}  // namespace vorla

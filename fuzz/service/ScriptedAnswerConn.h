#pragma once

#include <cstdint>
#include <string_view>

#include "service/HttpConn.h"
#include "service/HttpConnFactory.h"

namespace vorla::fuzz {

// The answers of one run, shared by the connections made from it in turn: each request's
// answer body is what the earlier requests left unread.
struct ScriptedAnswers {
  std::string_view rest;
};

// A connection whose every request is sent at once and answered 200 with the next bytes of
// the script, read as the real connection reads: at most what is left, in pieces.
class ScriptedAnswerConn final : public UnknownImpl<IHttpConn> {
 public:
  explicit ScriptedAnswerConn(ScriptedAnswers& answers) : answers_(answers) {}

  std::int32_t SendRequest(std::string_view, bool, const char*, std::int32_t, std::int32_t,
                           bool) override {
    sent_ = true;
    return http::kOk;
  }
  std::int32_t Post(std::string_view url, bool post, const char* body,
                    std::int32_t length) override {
    return SendRequest(url, post, body, length, 0, false);
  }
  std::int32_t Get(std::string_view url) override {
    return SendRequest(url, false, nullptr, 0, 0, false);
  }
  std::int32_t Write(const char*, std::int32_t, bool) override { return http::kOk; }
  std::int32_t Read(char* destination, std::int32_t length) override;
  std::int32_t ReadToBuffer(IDataBuffer& buffer, std::int32_t total, std::int32_t piece) override;
  std::int32_t ReadToNewBuffer(RefPtr<IDataBuffer>& buffer, std::int32_t total,
                               std::int32_t piece) override;
  std::int32_t Cancel() override { return 0; }
  bool IsCancelled() override { return false; }
  std::int32_t GetState() override { return sent_ ? http::kStateAnswered : http::kStateIdle; }
  std::uint32_t GetErrorCode() override { return 0; }
  std::int32_t QueryMimeVersion(std::string&) override { return 1; }
  std::int32_t QueryContentType(std::string&) override { return 1; }
  std::int32_t QueryContentLength(std::int32_t&) override { return 1; }
  std::int32_t QueryStatusCode(std::int32_t& value) override {
    value = 200;
    return 0;
  }
  std::int32_t QueryCharset(std::string&) override { return 1; }
  std::int32_t QuerySetCookie(std::string&) override { return 1; }
  std::int32_t QueryInfo(std::string_view, std::string&, std::int32_t&) override { return 1; }
  std::int32_t SetExtraHeaders(std::string_view) override { return 0; }
  std::int32_t SetContentType(std::string_view) override { return 0; }
  std::int32_t SetCacheAllowed(bool) override { return 0; }
  std::int32_t SetAutoRedirect(bool) override { return 0; }
  std::int32_t SetTimeout(std::int32_t) override { return 0; }
  std::int32_t SetOption(std::int32_t) override { return 0; }
  std::int32_t SetObserver(RefPtr<IHttpConnObserver>, std::int32_t) override { return 0; }
  void SetReconnectNotice() override {}

 private:
  ScriptedAnswers& answers_;
  bool sent_ = false;
};

class ScriptedAnswerConnFactory final : public HttpConnFactory {
 public:
  explicit ScriptedAnswerConnFactory(ScriptedAnswers& answers) : answers_(answers) {}
  RefPtr<IHttpConn> CreateHttpConn(std::string_view, RefPtr<IHttpConnObserver>, std::int32_t,
                                   std::int32_t, bool) override {
    return MakeRef<ScriptedAnswerConn>(answers_);
  }

 private:
  ScriptedAnswers& answers_;
};

}  // namespace vorla::fuzz

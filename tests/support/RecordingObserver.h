#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/Unknown.h"
#include "service/HttpConn.h"

namespace vorla::test {

// One notification as "Name(a,b,...)", the observer value included.
using Event = std::string;

// Records every notification of a connection in order; a hook may act on each (to cancel
// in the middle of a transfer).
class RecordingObserver final : public UnknownImpl<IHttpConnObserver> {
 public:
  std::vector<Event> events;
  std::function<void(const Event&)> hook;

  std::int32_t OnConnecting(std::int32_t value) override { return Add("Connecting", {value}); }
  std::int32_t OnReconnecting(std::int32_t reserved, std::int32_t value) override {
    return Add("Reconnecting", {reserved, value});
  }
  std::int32_t OnRequestSent(std::int32_t status, std::int32_t value) override {
    return Add("RequestSent", {status, value});
  }
  std::int32_t OnDownloadBegin(std::int32_t total, std::int32_t value) override {
    return Add("DownloadBegin", {total, value});
  }
  std::int32_t OnDownloadProgress(std::int32_t soFar, std::int32_t total,
                                  std::int32_t value) override {
    return Add("DownloadProgress", {soFar, total, value});
  }
  std::int32_t OnDownloadEnd(std::int32_t result, std::int32_t total, std::int32_t value) override {
    return Add("DownloadEnd", {result, total, value});
  }
  std::int32_t OnUploadBegin(std::int32_t total, std::int32_t value) override {
    return Add("UploadBegin", {total, value});
  }
  std::int32_t OnUploadProgress(std::int32_t soFar, std::int32_t total,
                                std::int32_t value) override {
    return Add("UploadProgress", {soFar, total, value});
  }
  std::int32_t OnUploadEnd(std::int32_t result, std::int32_t total, std::int32_t value) override {
    return Add("UploadEnd", {result, total, value});
  }

 private:
  std::int32_t Add(const char* name, std::initializer_list<std::int32_t> values) {
    Event event = std::string(name) + "(";
    bool first = true;
    for (std::int32_t value : values) {
      if (!first) event += ",";
      event += std::to_string(value);
      first = false;
    }
    event += ")";
    events.push_back(event);
    if (hook) hook(event);
    return 0;
  }
};

}  // namespace vorla::test

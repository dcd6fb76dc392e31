#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace vorla::sim {

// A status the simulated service answers instead of doing the work.
struct ScriptedStatus {
  std::int32_t status = 0;  // not 0
  // Status 19 of `tr`: the three values that take the place of the languages and the length.
  // The account type and quota default to those of the session's account (0 without one).
  std::int32_t shortfall = 0;
  std::optional<std::int32_t> accountType{};
  std::optional<std::int32_t> quota{};
};

// How `tr` answers in result-id mode.
struct ResultIdScript {
  // Every answer in result-id mode, whether the request asked for it (rt=3) or not.
  bool always = false;
  // Content flag 1 with the translated document as payload, instead of content flag 0 with
  // a result id.
  bool document = false;
  // The result id to send, for instance one of 7 or 128 characters; empty: "simresult"
  // followed by a running number of 6 digits.
  std::string id{};
};

// What tests script about the translation and dictionary commands. Safe to change while the
// simulator serves.
class TranslationScript {
 public:
  // The next requests of the command ("tr", "gettrprice" or a dictionary command such as
  // "getvoc") answer these statuses, one
  // request each, in the order queued; then the command works normally again.
  void Queue(std::string_view command, const ScriptedStatus& status);
  std::optional<ScriptedStatus> Next(std::string_view command);

  void SetResultIds(ResultIdScript script);
  ResultIdScript ResultIds() const;
  // The id of the next result-id answer.
  std::string NextResultId();

 private:
  mutable std::mutex mutex_;
  std::map<std::string, std::deque<ScriptedStatus>, std::less<>> statuses_;
  ResultIdScript resultIds_;
  int nextResultNumber_ = 1;
};

}  // namespace vorla::sim

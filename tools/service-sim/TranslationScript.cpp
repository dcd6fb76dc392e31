#include "TranslationScript.h"

#include <cstdio>

namespace vorla::sim {

void TranslationScript::Queue(std::string_view command, const ScriptedStatus& status) {
  std::lock_guard lock(mutex_);
  statuses_[std::string(command)].push_back(status);
}

std::optional<ScriptedStatus> TranslationScript::Next(std::string_view command) {
  std::lock_guard lock(mutex_);
  const auto found = statuses_.find(command);
  if (found == statuses_.end() || found->second.empty()) return std::nullopt;
  const ScriptedStatus next = found->second.front();
  found->second.pop_front();
  return next;
}

void TranslationScript::SetResultIds(ResultIdScript script) {
  std::lock_guard lock(mutex_);
  resultIds_ = std::move(script);
}

ResultIdScript TranslationScript::ResultIds() const {
  std::lock_guard lock(mutex_);
  return resultIds_;
}

std::string TranslationScript::NextResultId() {
  std::lock_guard lock(mutex_);
  if (!resultIds_.id.empty()) return resultIds_.id;
  char id[32];
  std::snprintf(id, sizeof id, "simresult%06d", nextResultNumber_++);
  return id;
}

}  // namespace vorla::sim

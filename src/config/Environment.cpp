#include "config/Environment.h"

#include <cstdlib>
#include <string_view>

namespace vorla {

namespace {

// An empty variable counts as unset, so `VORLA_HOME= vorla ...` means the user's own state.
std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  if (!value || *value == '\0') return std::nullopt;
  return std::string(value);
}

}  // namespace

Environment Environment::FromProcess() {
  Environment environment;
  if (auto home = Variable("VORLA_HOME")) environment.home = std::filesystem::path(*home);
  environment.serviceUrl = Variable("VORLA_SERVICE_URL");
  if (auto caFile = Variable("VORLA_CA_FILE")) environment.caFile = std::filesystem::path(*caFile);
  return environment;
}

}  // namespace vorla

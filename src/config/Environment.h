#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vorla {

// What the process environment says about where per-user state lives and which service
// to use. VORLA_HOME holds all per-user state when set (tests, demos, private
// installations); VORLA_SERVICE_URL replaces the built-in service address everywhere;
// VORLA_CA_FILE names an extra trusted CA certificate.
struct Environment {
  std::optional<std::filesystem::path> home;
  std::optional<std::string> serviceUrl;
  std::optional<std::filesystem::path> caFile;

  static Environment FromProcess();
};

}  // namespace vorla

#pragma once

#include <memory>
#include <string>

#include "config/Config.h"
#include "service/HttpConnFactory.h"
#include "translation/TranslatorState.h"

namespace vorla::bench {

// The demo user logged in on a simulator, with the long time-outs that large texts need.
struct DemoService {
  std::shared_ptr<HttpConnFactory> connections;
  RefPtr<Config> config;
  std::unique_ptr<TranslatorState> state;
};

// Logs the demo user in at url with home as VORLA_HOME; throws std::runtime_error when the
// login fails. The process's session cookie is then the demo user's.
std::unique_ptr<DemoService> LogInDemo(const std::string& url, const std::string& home);

}  // namespace vorla::bench

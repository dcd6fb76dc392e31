#include "DemoService.h"

#include <stdexcept>

#include "config/MemorySettingsStore.h"
#include "platform/CurlHttpConnFactory.h"
#include "platform/QtStandardFolders.h"

namespace vorla::bench {
namespace {

class DemoPrompt final : public LoginPrompt {
 public:
  bool Ask(LoginDialogParameters& parameters) override {
    parameters.userName = "demo";
    parameters.password = "demo";
    return true;
  }
};

}  // namespace

std::unique_ptr<DemoService> LogInDemo(const std::string& url, const std::string& home) {
  Environment environment;
  environment.home = home;
  environment.serviceUrl = url;
  auto demo = std::make_unique<DemoService>();
  demo->config =
      MakeRef<Config>(std::make_shared<MemorySettingsStore>(), QtStandardFolders(), environment);
  // Responses as large as the benchmarks' texts take their time.
  demo->config->limits.tr_request_timeout = 600'000;
  demo->config->limits.filetr_request_timeout = 600'000;
  demo->connections = std::make_shared<CurlHttpConnFactory>(demo->config);
  demo->state = std::make_unique<TranslatorState>(demo->config, 1);
  demo->state->SetLoginHooks({demo->connections, std::make_shared<DemoPrompt>(), nullptr});
  if (demo->state->Login({}) != 0) throw std::runtime_error("the demo user cannot log in");
  return demo;
}

}  // namespace vorla::bench

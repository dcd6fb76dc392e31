#pragma once

#include <memory>

#include "ServiceSimulator.h"
#include "config/ConfigFixture.h"
#include "platform/CurlHttpConnFactory.h"
#include "service/ServiceClient.h"
#include "support/TestCommands.h"

namespace vorla::test {

// A configuration pointing at a simulator with the test commands, and a client on it.
class ServiceFixture {
 protected:
  ServiceFixture() {
    RegisterTestCommands(sim_);
    Environment environment;
    environment.serviceUrl = sim_.url();
    config_ = MakeHomeConfig(std::make_shared<MemorySettingsStore>(), environment);
    connections_ = std::make_shared<CurlHttpConnFactory>(config_);
  }

  void Initialise(ServiceClient& client, LoginSession* login = nullptr) {
    client.Initialise(config_, login, connections_);
  }

  sim::ServiceSimulator sim_{{}};
  RefPtr<Config> config_;
  std::shared_ptr<HttpConnFactory> connections_;
};

}  // namespace vorla::test

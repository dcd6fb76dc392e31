// Linked into the test programs that speak HTTP: sets up libcurl and the service's
// process-wide state once for the whole program, as each program's main does.
#include <gtest/gtest.h>

#include <memory>

#include "platform/CurlGlobal.h"
#include "service/ServiceProcessState.h"

namespace {

class ProcessEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    curl_ = std::make_unique<vorla::CurlGlobal>();
    service_ = std::make_unique<vorla::ServiceProcessState>();
  }
  void TearDown() override {
    service_.reset();
    curl_.reset();
  }

 private:
  std::unique_ptr<vorla::CurlGlobal> curl_;
  std::unique_ptr<vorla::ServiceProcessState> service_;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new ProcessEnvironment);

}  // namespace

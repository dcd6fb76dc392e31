#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>

#include "support/TempHome.h"

namespace {

// Gives every test a VORLA_HOME of its own, so no test sees another's settings or files
// and none touches the user's.
class FreshHomeListener : public testing::EmptyTestEventListener {
 public:
  void OnTestStart(const testing::TestInfo&) override {
    home_ = std::make_unique<vorla::test::TempDir>();
    setenv("VORLA_HOME", home_->path().c_str(), 1);
  }
  void OnTestEnd(const testing::TestInfo&) override {
    unsetenv("VORLA_HOME");
    home_.reset();
  }

 private:
  std::unique_ptr<vorla::test::TempDir> home_;
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new FreshHomeListener);
  return RUN_ALL_TESTS();
}

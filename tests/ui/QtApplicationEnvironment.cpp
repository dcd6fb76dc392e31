#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <memory>

namespace {

// The Qt application every desktop test needs, on the offscreen platform so that no test
// opens a window on a real display.
class QtApplicationEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    application_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[10] = "ui_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] testing::Environment* const kQtApplication =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace

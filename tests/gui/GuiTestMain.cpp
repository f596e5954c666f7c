// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

// Fonts and windows need a running application, one per test program. It is made only when tests
// run, not while ctest lists them, because listing happens without the offscreen platform set in
// the environment.
class GuiApplication : public testing::Environment {
 public:
  void SetUp() override {
    // The tests are written for Qt's offscreen platform. It is named here too, not only by the
    // environment ctest gives: Wine does not pass QT_ variables on to the programs it runs.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  char name_[10] = "gui_tests";
  char* argv_[2] = {name_, nullptr};
  int argc_ = 1;
  std::unique_ptr<QApplication> app_;
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new GuiApplication);
  return RUN_ALL_TESTS();
}

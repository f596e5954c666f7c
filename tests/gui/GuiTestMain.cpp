#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace {

// Fonts need a running application. It is made only when tests run, not while ctest lists
// them, because listing happens without the offscreen platform set in the environment.
class GuiApplication : public testing::Environment {
 public:
  void SetUp() override { app_ = std::make_unique<QGuiApplication>(argc_, argv_); }
  void TearDown() override { app_.reset(); }

 private:
  char name_[14] = "artwork_tests";
  char* argv_[2] = {name_, nullptr};
  int argc_ = 1;
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new GuiApplication);
  return RUN_ALL_TESTS();
}

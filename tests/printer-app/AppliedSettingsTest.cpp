// SPDX-License-Identifier: Apache-2.0
#include "printer-app/AppliedSettings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

using printerapp::AppliedSettings;
using settings::Box;

namespace {

constexpr settings::Selection kIbm = 0;
constexpr settings::Selection kEscP = 1;

class AppliedSettingsTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/mrl770-applied-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    dir_ = pattern;
    file_ = dir_ + "/mrl770-printer-app.applied";
  }
  void TearDown() override { std::system(("rm -rf " + dir_).c_str()); }

  std::string dir_;
  std::string file_;
};

settings::Selections withEmulation(settings::Selection emulation) {
  settings::Selections selections{};
  for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
    selections[i] = settings::catalogue()[i].defaultIndex;
  }
  selections[settings::index(Box::Emulation)] = emulation;
  return selections;
}

}  // namespace

TEST_F(AppliedSettingsTest, KeepsEachPrinterSettingsAcrossARestart) {
  {
    AppliedSettings applied(file_);
    EXPECT_EQ(kEscP, applied.appliedEmulation(1));  // nothing applied yet
    ASSERT_TRUE(applied.record(1, withEmulation(kIbm)));
    ASSERT_TRUE(applied.record(2, withEmulation(kEscP)));
  }
  const AppliedSettings restarted(file_);
  EXPECT_EQ(withEmulation(kIbm), restarted.applied(1));
  EXPECT_EQ(kIbm, restarted.appliedEmulation(1));
  EXPECT_EQ(kEscP, restarted.appliedEmulation(2));
}

TEST_F(AppliedSettingsTest, LeavesOutLinesItCannotRead) {
  const std::string good = "7 1 1 0 0 1 1 1 1 0 0 1 1 0 0 1 1 1 1 1 0 1";
  {
    std::ofstream out(file_);
    out << "8 1 1\n"                                           // too few selections
        << "9 1 1 0 0 1 1 1 1 99 0 1 1 0 0 1 1 1 1 1 0 1\n"    // no entry 99
        << "10 1 1 0 0 1 1 1 1 0 0 1 1 0 0 1 1 1 1 1 0 1 5\n"  // one too many
        << good << '\n';
  }
  const AppliedSettings applied(file_);
  EXPECT_EQ(std::nullopt, applied.applied(8));
  EXPECT_EQ(std::nullopt, applied.applied(9));
  EXPECT_EQ(std::nullopt, applied.applied(10));
  EXPECT_EQ(kIbm, applied.appliedEmulation(7));
}

TEST_F(AppliedSettingsTest, SaysWhenItCannotWrite) {
  AppliedSettings applied(dir_ + "/missing/mrl770-printer-app.applied");
  EXPECT_FALSE(applied.record(1, withEmulation(kIbm)));
  EXPECT_EQ(kIbm, applied.appliedEmulation(1));  // kept for this run all the same
}

// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "printer-app/DeviceId.h"

TEST(DeviceIdTest, OnlyThisPrintersIdsAreTakenWhateverTheirCaseAndBlanks) {
  EXPECT_TRUE(printerapp::isMrl770("MFG:Zel;MDL:MRL 770;CMD:ESC/P,IBM;"));
  EXPECT_TRUE(printerapp::isMrl770("manufacturer:ZEL;model:mrl770 II"));
  EXPECT_FALSE(printerapp::isMrl770("MFG:Zel;MDL:MRL 880;"));
  EXPECT_FALSE(printerapp::isMrl770("MFG:Zel;MDL:MRL 7700;"));
  EXPECT_FALSE(printerapp::isMrl770("MFG:Other;MDL:MRL 770;"));
  EXPECT_FALSE(printerapp::isMrl770("MDL:MRL 770;"));
  EXPECT_FALSE(printerapp::isMrl770(""));
}

// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "settings/Catalogue.h"

using settings::Box;
using settings::catalogue;

TEST(Catalogue, BoxesInWindowOrderWithTheirAccessLetters) {
  struct Expected {
    const char* name;
    char key;
    std::size_t entries;
    settings::Selection defaultIndex;
  };
  const Expected expected[] = {
      {"cmbPrintingMode", 'D', 2, 0},   {"cmbHSD", 'H', 2, 1},          {"cmbFontType", 'Y', 2, 1},
      {"cmbNLQFontType", 'Q', 3, 0},    {"cmbPitch", 'P', 4, 0},        {"cmbFontLock", 'F', 2, 1},
      {"cmbPitchLock", 'K', 2, 1},      {"cmbAutoLF", 'A', 2, 1},       {"cmbEmulation", 'M', 2, 1},
      {"cmbCharacterTable", 'C', 2, 0}, {"cmbAutoCR", 'U', 2, 1},       {"cmbRollPaper", 'R', 2, 0},
      {"cmbTearoff", 'E', 5, 0},        {"cmbPageLength", 'N', 8, 6},   {"cmbLPI", 'L', 2, 0},
      {"cmbSlashedZero", 'Z', 2, 0},    {"cmbSkipOverPerf", 'V', 2, 1}, {"cmbFriction", 'O', 2, 1},
      {"cmbInterface", 'I', 3, 2},      {"cmbStrobeEdge", 'S', 2, 1},   {"cmbCopyMode", '\0', 2, 1},
  };
  ASSERT_EQ(std::size(expected), catalogue().size());
  for (std::size_t i = 0; i < catalogue().size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_STREQ(expected[i].name, catalogue()[i].name);
    EXPECT_EQ(expected[i].key, settings::accessKey(catalogue()[i]));
    EXPECT_EQ(expected[i].entries, catalogue()[i].entries.size());
    EXPECT_EQ(expected[i].defaultIndex, catalogue()[i].defaultIndex);
  }
}

TEST(Catalogue, EntryTextsThatAreEasyToGetWrong) {
  EXPECT_EQ("LQ ", settings::boxDefinition(Box::FontType).entries[0]);
  EXPECT_EQ("3.67 Inch", settings::boxDefinition(Box::PageLength).entries[1]);
  EXPECT_EQ((std::vector<std::string>{"Enable", "Disable"}),
            settings::boxDefinition(Box::CopyMode).entries);
  EXPECT_EQ((std::vector<std::string>{"Short Auto", "Short Manual", "True Auto", "True Manual",
                                      "Disabled"}),
            settings::boxDefinition(Box::Tearoff).entries);
  EXPECT_STREQ("A&uto CR Return", settings::boxDefinition(Box::AutoCR).caption);
}

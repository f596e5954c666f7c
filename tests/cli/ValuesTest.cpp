// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/Assignments.h"
#include "cli/Failure.h"

using settings::Box;

namespace {

struct Case {
  const char* name;
  std::vector<std::string> assignments;
  Box box;
  // The entry the box then holds; null when the assignments fail with kBadInput and message.
  const char* chosen;
  const char* message;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

class Values : public ::testing::TestWithParam<Case> {};

}  // namespace

TEST_P(Values, NameTheirBoxAndEntryOrFail) {
  const Case& c = GetParam();
  std::vector<cli::Assignment> assignments;
  try {
    for (const std::string& text : c.assignments) {
      assignments.push_back(cli::parseAssignment(text));
    }
    const cli::WindowState state = cli::applyAssignments(assignments);
    ASSERT_NE(nullptr, c.chosen) << "accepted";
    EXPECT_EQ(c.chosen, state.chosenText(c.box));
  } catch (const cli::Failure& failure) {
    ASSERT_EQ(nullptr, c.chosen) << failure.what();
    EXPECT_EQ(cli::kBadInput, failure.status());
    EXPECT_EQ(c.message, std::string(failure.what()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Values,
    ::testing::Values(
        Case{"LeadingNumber", {"PageLength=6"}, Box::PageLength, "6 Inch", ""},
        Case{"WholeFirstWord", {"pagelength=3"}, Box::PageLength, "3 Inch", ""},
        Case{"NumberOfPitch", {"Pitch=12"}, Box::Pitch, "12 CPI", ""},
        Case{"Index", {"PageLength=#6"}, Box::PageLength, "12 Inch", ""},
        Case{"TextWithoutItsBlank", {"FontType= lq"}, Box::FontType, "LQ ", ""},
        Case{"FirstWordOfTwo", {"NLQFontType=sans"}, Box::NLQFontType, "Sans Serif", ""},
        Case{"CaptionAsName", {"High Speed Draft=Enabled"}, Box::HSD, "Enabled", ""},
        Case{"CaptionWithDash", {"line-spacing=8"}, Box::LPI, "8 LPI", ""},
        Case{"BareNumberIsNoIndex",
             {"HSD=0"},
             Box::HSD,
             nullptr,
             "HSD has no entry \"0\"; its entries are #0 \"Enabled\", #1 \"Disabled\""},
        Case{"PartOfAWord",
             {"PageLength=3.6"},
             Box::PageLength,
             nullptr,
             "PageLength has no entry \"3.6\"; its entries are #0 \"3 Inch\", #1 \"3.67 Inch\", "
             "#2 \"4 Inch\", #3 \"6 Inch\", #4 \"8 Inch\", #5 \"11 Inch\", #6 \"12 Inch\", "
             "#7 \"14 Inch\""},
        Case{"AmbiguousFirstWord",
             {"Tearoff=short"},
             Box::Tearoff,
             nullptr,
             "Tearoff has more than one entry that begins \"short\"; its entries are "
             "#0 \"Short Auto\", #1 \"Short Manual\", #2 \"True Auto\", #3 \"True Manual\", "
             "#4 \"Disabled\""},
        Case{"IndexPastTheList",
             {"Interface=#3"},
             Box::Interface,
             nullptr,
             "Interface has no entry \"#3\"; its entries are #0 \"Parallel\", #1 \"USB\", "
             "#2 \"AutoShare\""},
        Case{"PitchTheLqFontHasNot",
             {"Pitch=15 CPI", "FontType=LQ"},
             Box::Pitch,
             nullptr,
             "Pitch has no entry \"15 CPI\" while FontType is \"LQ \"; its entries are "
             "#0 \"10 CPI\", #1 \"12 CPI\""},
        Case{"IbmTableUnderEscP",
             {"CharacterTable=Set 2"},
             Box::CharacterTable,
             nullptr,
             "CharacterTable has no entry \"Set 2\" while Emulation is \"ESC/P\"; its entries "
             "are #0 \"Graphics\", #1 \"Italics\""},
        Case{"UnknownBox",
             {"Speed=1"},
             Box::HSD,
             nullptr,
             "no box is named \"Speed\"; the boxes are PrintingMode, HSD, FontType, "
             "NLQFontType, Pitch, FontLock, PitchLock, AutoLF, Emulation, CharacterTable, "
             "AutoCR, RollPaper, Tearoff, PageLength, LPI, SlashedZero, SkipOverPerf, Friction, "
             "Interface, StrobeEdge, CopyMode"}),
    [](const auto& row) { return std::string(row.param.name); });

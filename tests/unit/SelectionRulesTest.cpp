// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <random>

#include "fakes/RecordingSettingsView.h"
#include "settings/SelectionBoxes.h"

using settings::Box;
using settings::Emulation;
using settings::SelectionBoxes;

namespace {

using Entries = std::vector<std::string>;

const Entries kSets = {"Set 1", "Set 2"};
const Entries kGraphics = {"Graphics", "Italics"};
const Entries kTwoPitches = {"10 CPI", "12 CPI"};
const Entries kFourPitches = {"10 CPI", "12 CPI", "15 CPI", "17 CPI"};

class SelectionRules : public ::testing::Test {
 protected:
  RecordingSettingsView view;
  SelectionBoxes boxes{view};

  const Entries& entries(Box box) { return boxes.box(box).entries(); }
  bool enabled(Box box) { return boxes.box(box).enabled(); }

  void expectInvariants() {
    const bool ibm = boxes.selection(Box::Emulation) == 0;
    EXPECT_EQ(ibm ? kSets : kGraphics, entries(Box::CharacterTable));
    EXPECT_EQ(ibm, enabled(Box::AutoCR));
    const bool lq = boxes.selection(Box::FontType) == 0;
    EXPECT_EQ(lq ? kTwoPitches : kFourPitches, entries(Box::Pitch));
    EXPECT_EQ(lq, enabled(Box::NLQFontType));
    const auto interface = boxes.selection(Box::Interface);
    EXPECT_EQ(interface == 0 || interface == 2, enabled(Box::StrobeEdge));
  }

  void expectStartUpState() {
    for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
      SCOPED_TRACE(settings::catalogue()[i].name);
      EXPECT_EQ(settings::catalogue()[i].defaultIndex, boxes.selections()[i]);
      EXPECT_EQ(settings::catalogue()[i].entries, boxes.box(Box(i)).entries());
      EXPECT_EQ(Box(i) != Box::NLQFontType && Box(i) != Box::AutoCR, enabled(Box(i)));
    }
    ASSERT_FALSE(view.captions.empty());
    EXPECT_EQ(Emulation::EscP, view.captions.back());
  }
};

}  // namespace

TEST_F(SelectionRules, CreatedBoxesHoldTheCatalogueWithNothingChosen) {
  for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
    EXPECT_EQ(settings::kNoSelection, boxes.selections()[i]);
    EXPECT_TRUE(enabled(Box(i)));
  }
  EXPECT_TRUE(view.captions.empty());
}

TEST_F(SelectionRules, StartUpGivesTheDefaultsThroughTheRules) {
  boxes.IntializeSelectionBoxes();
  expectStartUpState();
  EXPECT_EQ(std::vector<Emulation>{Emulation::EscP}, view.captions);
  EXPECT_EQ(1, view.waitNoticeHidden);
}

TEST_F(SelectionRules, RestoringDefaultsUndoesEveryChange) {
  boxes.IntializeSelectionBoxes();
  boxes.setSelection(Box::Emulation, 0);
  boxes.setSelection(Box::CharacterTable, 1);
  boxes.setSelection(Box::AutoCR, 0);
  boxes.setSelection(Box::FontType, 0);
  boxes.setSelection(Box::NLQFontType, 2);
  boxes.setSelection(Box::Pitch, 1);
  boxes.setSelection(Box::Interface, 1);
  boxes.setSelection(Box::StrobeEdge, 0);
  boxes.setSelection(Box::CopyMode, 0);
  boxes.setSelection(Box::PageLength, 0);
  ASSERT_EQ(Emulation::Ibm, view.captions.back());
  ASSERT_FALSE(enabled(Box::StrobeEdge));

  boxes.IntializeSelectionBoxes();
  expectStartUpState();
  EXPECT_EQ(2, view.waitNoticeHidden);
}

TEST_F(SelectionRules, ListedCases) {
  boxes.IntializeSelectionBoxes();

  // IBM: the IBM tables with "Set 1", Auto CR enabled and still at "Disabled".
  boxes.setSelection(Box::Emulation, 0);
  EXPECT_EQ(kSets, entries(Box::CharacterTable));
  EXPECT_EQ(0, boxes.selection(Box::CharacterTable));
  EXPECT_TRUE(enabled(Box::AutoCR));
  EXPECT_EQ(1, boxes.selection(Box::AutoCR));
  EXPECT_EQ(Emulation::Ibm, view.captions.back());

  // "Set 2" then "ESC/P" gives "Graphics", not "Italics".
  boxes.setSelection(Box::CharacterTable, 1);
  boxes.setSelection(Box::Emulation, 1);
  EXPECT_EQ(kGraphics, entries(Box::CharacterTable));
  EXPECT_EQ(0, boxes.selection(Box::CharacterTable));
  EXPECT_FALSE(enabled(Box::AutoCR));
  EXPECT_EQ(Emulation::EscP, view.captions.back());

  // "17 CPI" then "LQ " gives "10 CPI" of two; "Draft" again gives four with "10 CPI".
  boxes.setSelection(Box::Pitch, 3);
  boxes.setSelection(Box::NLQFontType, 2);
  boxes.setSelection(Box::FontType, 0);
  EXPECT_EQ(kTwoPitches, entries(Box::Pitch));
  EXPECT_EQ(0, boxes.selection(Box::Pitch));
  EXPECT_TRUE(enabled(Box::NLQFontType));
  boxes.setSelection(Box::FontType, 1);
  EXPECT_EQ(kFourPitches, entries(Box::Pitch));
  EXPECT_EQ(0, boxes.selection(Box::Pitch));
  EXPECT_FALSE(enabled(Box::NLQFontType));
  EXPECT_EQ(2, boxes.selection(Box::NLQFontType));  // kept while disabled

  // USB disables the strobe edge without touching its selection; Parallel enables it again.
  boxes.setSelection(Box::StrobeEdge, 0);
  boxes.setSelection(Box::Interface, 1);
  EXPECT_FALSE(enabled(Box::StrobeEdge));
  EXPECT_EQ(0, boxes.selection(Box::StrobeEdge));
  boxes.setSelection(Box::Interface, 0);
  EXPECT_TRUE(enabled(Box::StrobeEdge));

  // Picking the entry already chosen runs the rule again: the rebuilt box goes back to 0.
  boxes.setSelection(Box::Pitch, 2);
  boxes.setSelection(Box::FontType, 1);
  EXPECT_EQ(0, boxes.selection(Box::Pitch));
}

TEST_F(SelectionRules, NothingChosenTakesTheSecondBranchOfEveryRule) {
  boxes.setSelection(Box::Emulation, settings::kNoSelection);
  boxes.setSelection(Box::FontType, settings::kNoSelection);
  boxes.setSelection(Box::Interface, settings::kNoSelection);
  EXPECT_EQ(kGraphics, entries(Box::CharacterTable));
  EXPECT_FALSE(enabled(Box::AutoCR));
  EXPECT_EQ(kFourPitches, entries(Box::Pitch));
  EXPECT_FALSE(enabled(Box::NLQFontType));
  EXPECT_FALSE(enabled(Box::StrobeEdge));
  EXPECT_EQ(Emulation::EscP, view.captions.back());
}

TEST_F(SelectionRules, AnIndexOutsideTheListChangesNothing) {
  boxes.IntializeSelectionBoxes();
  boxes.setSelection(Box::FontType, 0);  // pitch list of two
  const auto before = boxes.selections();
  const auto captions = view.captions.size();
  boxes.setSelection(Box::Pitch, 3);
  boxes.setSelection(Box::Emulation, 2);
  boxes.setSelection(Box::Interface, -2);
  EXPECT_EQ(before, boxes.selections());
  EXPECT_EQ(captions, view.captions.size());
}

// Random choices as a user could make them: any entry of any enabled box.
TEST_F(SelectionRules, InvariantsHoldAfterAnySequenceOfChoices) {
  boxes.IntializeSelectionBoxes();
  std::mt19937 random(20261209);
  for (int step = 0; step < 5000; ++step) {
    Box box;
    do {
      box = Box(std::uniform_int_distribution<std::size_t>(0, settings::kBoxCount - 1)(random));
    } while (!enabled(box));
    const auto count = static_cast<int>(entries(box).size());
    const auto choice =
        static_cast<settings::Selection>(std::uniform_int_distribution<int>(0, count - 1)(random));
    boxes.setSelection(box, choice);
    ASSERT_EQ(choice, boxes.selection(box));
    expectInvariants();
    for (std::size_t i = 0; i < settings::kBoxCount; ++i)
      ASSERT_LT(boxes.selections()[i], static_cast<int>(boxes.box(Box(i)).entries().size()));
    if (HasFailure()) FAIL() << "after step " << step;
  }
}

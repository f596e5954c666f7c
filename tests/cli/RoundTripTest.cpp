// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "cli/Assignments.h"
#include "cli/BoxNames.h"
#include "cli/Decode.h"
#include "cli/Failure.h"
#include "download/mdlFlagSettings.h"
#include "fakes/RecordingSettingsView.h"
#include "settings/SelectionBoxes.h"

using settings::Box;
using settings::Selection;
using settings::Selections;

namespace {

constexpr std::size_t kRandomCases = 200000;
const Box kGoverning[] = {Box::FontType, Box::Emulation, Box::Interface};

// The lists every box holds once the governing boxes are set, as the window's rules leave them.
using Lists = std::array<std::vector<std::string>, settings::kBoxCount>;

const Lists& listsFor(Selection fontType, Selection emulation, Selection interface) {
  static std::map<std::array<Selection, 3>, Lists> known;
  Lists& lists = known[{fontType, emulation, interface}];
  if (lists[0].empty()) {
    RecordingSettingsView view;
    settings::SelectionBoxes boxes(view);
    boxes.IntializeSelectionBoxes();
    boxes.setSelection(Box::FontType, fontType);
    boxes.setSelection(Box::Emulation, emulation);
    boxes.setSelection(Box::Interface, interface);
    for (std::size_t b = 0; b < settings::kBoxCount; ++b) lists[b] = boxes.box(Box(b)).entries();
  }
  return lists;
}

const Lists& listsFor(const Selections& s) {
  return listsFor(s[index(Box::FontType)], s[index(Box::Emulation)], s[index(Box::Interface)]);
}

class Cases {
 public:
  // Any selections the window can hold: each box at an entry of the list it holds then.
  Selections random() {
    Selections s{};
    for (Box box : kGoverning) s[index(box)] = pick(settings::boxDefinition(box).entries.size());
    const Lists& lists = listsFor(s);
    for (std::size_t b = 0; b < settings::kBoxCount; ++b) {
      if (std::find(std::begin(kGoverning), std::end(kGoverning), Box(b)) == std::end(kGoverning))
        s[b] = pick(lists[b].size());
    }
    return s;
  }

  // NAME=VALUE for the selections, in a random order and spelling: names and entries in any
  // case, entries with blanks around them or given by index (#N), boxes at their default left out.
  std::vector<cli::Assignment> assignments(const Selections& s) {
    const Lists& lists = listsFor(s);
    std::vector<cli::Assignment> out;
    for (std::size_t b = 0; b < settings::kBoxCount; ++b) {
      if (s[b] == settings::catalogue()[b].defaultIndex && coin()) continue;
      std::string value =
          coin() ? "#" + std::to_string(s[b]) : respelled(lists[b][std::size_t(s[b])]);
      if (coin()) value = " " + value + "  ";
      out.push_back(cli::parseAssignment(respelled(cli::boxName(Box(b))) + "=" + value));
    }
    std::shuffle(out.begin(), out.end(), random_);
    return out;
  }

 private:
  Selection pick(std::size_t count) {
    return Selection(std::uniform_int_distribution<std::size_t>(0, count - 1)(random_));
  }
  // One bit of the generator's number at a time: these cases draw thousands of coins.
  bool coin() {
    if (bitsLeft_ == 0) {
      bits_ = random_();
      bitsLeft_ = 30;
    }
    --bitsLeft_;
    bits_ >>= 1;
    return (bits_ & 1) != 0;
  }
  std::string respelled(std::string text) {
    for (char& c : text) {
      if (coin()) c = char(coin() ? std::toupper(c) : std::tolower(c));
    }
    return text;
  }

  std::minstd_rand random_{770};
  std::uint_fast32_t bits_ = 0;
  int bitsLeft_ = 0;
};

std::string shown(const Selections& s) {
  std::string out;
  for (Selection index : s) out += std::to_string(index) + " ";
  return out;
}

}  // namespace

// Every window state goes through NAME=VALUE to the same selections, so encode sends what the
// window's encoder would; and decode gives back those selections from the command's bytes.
TEST(RoundTrip, AssignmentsGiveTheSelectionsAndDecodeGivesThemBack) {
  Cases cases;
  std::vector<Selections> all;
  // Every combination of the boxes with more than two entries, the rest at random.
  for (Selection fontType = 0; fontType < 2; ++fontType)
    for (Selection pitch = 0; pitch < (fontType == 0 ? 2 : 4); ++pitch)
      for (Selection typeface = 0; typeface < 3; ++typeface)
        for (Selection tearoff = 0; tearoff < 5; ++tearoff)
          for (Selection length = 0; length < 8; ++length)
            for (Selection interface = 0; interface < 3; ++interface) {
              Selections s = cases.random();
              s[index(Box::FontType)] = fontType;
              s[index(Box::Pitch)] = pitch;
              s[index(Box::NLQFontType)] = typeface;
              s[index(Box::Tearoff)] = tearoff;
              s[index(Box::PageLength)] = length;
              s[index(Box::Interface)] = interface;
              all.push_back(s);
            }
  for (std::size_t i = 0; i < kRandomCases; ++i) all.push_back(cases.random());

  for (const Selections& s : all) {
    const Selections assigned = cli::applyAssignments(cases.assignments(s)).boxes().selections();
    ASSERT_EQ(s, assigned) << shown(s);
    const platform::ByteString command =
        mdlFlagSettings::settingsCommand(mdlFlagSettings::fncGetFlagWords(s));
    ASSERT_EQ(s, cli::decodeSettings(command).boxes().selections()) << shown(s);
  }
}

// Decode accepts no bytes but those of a command the window sends: whatever it accepts encodes
// back to the same bytes. Every one-bit change of window commands and random flag bytes.
TEST(RoundTrip, DecodeAcceptsOnlyWhatEncodesBackToTheSameBytes) {
  Cases cases;
  std::mt19937 random(70);
  std::vector<platform::ByteString> commands;
  for (int i = 0; i < 2000; ++i) {
    const platform::ByteString command =
        mdlFlagSettings::settingsCommand(mdlFlagSettings::fncGetFlagWords(cases.random()));
    for (std::size_t bit = 0; bit < command.size() * 8; ++bit) {
      platform::ByteString changed = command;
      changed[bit / 8] = char(changed[bit / 8] ^ (1 << (bit % 8)));
      commands.push_back(changed);
    }
    platform::ByteString noise = command;
    for (std::size_t b = 3; b < noise.size(); ++b) noise[b] = char(random());
    commands.push_back(noise);
  }

  std::size_t accepted = 0;
  for (const platform::ByteString& command : commands) {
    try {
      const Selections s = cli::decodeSettings(command).boxes().selections();
      ++accepted;
      ASSERT_EQ(command, mdlFlagSettings::settingsCommand(mdlFlagSettings::fncGetFlagWords(s)));
    } catch (const cli::Failure& failure) {
      ASSERT_EQ(cli::kBadInput, failure.status());
    }
  }
  // Flipping a two-entry box's bit gives another window command; most changes do not.
  EXPECT_GT(accepted, 0u);
  EXPECT_LT(accepted, commands.size() / 2);
}

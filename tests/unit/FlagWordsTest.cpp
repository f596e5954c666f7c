// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "download/mdlFlagSettings.h"
#include "fakes/Bytes.h"
#include "settings/Catalogue.h"

using mdlFlagSettings::fncGetFlagWords;
using mdlFlagSettings::settingsCommand;
using settings::Box;
using settings::Selections;

namespace {

Selections defaults() {
  Selections s{};
  for (std::size_t i = 0; i < settings::kBoxCount; ++i)
    s[i] = settings::catalogue()[i].defaultIndex;
  return s;
}

Selections allAt(settings::Selection index) {
  Selections s{};
  s.fill(index);
  return s;
}

Selections lastEntries() {
  Selections s{};
  for (std::size_t i = 0; i < settings::kBoxCount; ++i)
    s[i] = static_cast<settings::Selection>(settings::catalogue()[i].entries.size() - 1);
  return s;
}

// The number of entries a box can have at most (its longest list).
int entryCount(Box box) {
  return static_cast<int>(settings::boxDefinition(box).entries.size());
}

}  // namespace

TEST(FlagWords, WorkedExamplesGiveTheirExactCommand) {
  struct Case {
    const char* what;
    Selections selections;
    const char* command;
  };
  const Case cases[] = {
      {"defaults", defaults(), kDefaultSettingsCommandHex},
      {"every box at index 0", allAt(0), "1B 19 01 18 A7 E5 06 00 00 00 02 88 03 01 01"},
      {"every box at its last entry", lastEntries(),
       "1B 19 01 00 00 12 00 00 00 02 0B D0 14 11 00"},
      {"nothing chosen", allAt(settings::kNoSelection),
       "1B 19 01 00 00 00 00 00 00 00 00 00 00 00 00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.command, hex(settingsCommand(fncGetFlagWords(c.selections))));
  }
}

TEST(FlagWords, SingleChangesFromTheDefaults) {
  struct Case {
    Box box;
    settings::Selection index;
    std::size_t word;
    std::int16_t value;
  };
  const Case cases[] = {
      {Box::AutoCR, 0, 1, 0xA2},  // Auto CR encoded although the box is disabled
      {Box::StrobeEdge, 0, 0, 0x10},
      {Box::HSD, 0, 0, 0x08},
      {Box::Emulation, 0, 1, 0x83},
      {Box::CharacterTable, 1, 1, 0x80},
      {Box::Friction, 0, 2, 0xA5},
      {Box::Tearoff, 1, 2, 0xB1},
      {Box::Tearoff, 2, 2, 0xBD},
      {Box::Tearoff, 3, 2, 0xB9},
      {Box::Tearoff, 4, 2, 0xB3},
      {Box::SkipOverPerf, 0, 2, 0xF5},
      {Box::PageLength, 0, 7, 0x02},
      {Box::PageLength, 0, 8, 0x88},
      {Box::PageLength, 1, 7, 0x03},
      {Box::PageLength, 1, 8, 0x18},
      {Box::PageLength, 2, 7, 0x03},
      {Box::PageLength, 2, 8, 0x60},
      {Box::PageLength, 3, 7, 0x05},
      {Box::PageLength, 3, 8, 0x10},
      {Box::PageLength, 4, 7, 0x06},
      {Box::PageLength, 4, 8, 0xC0},
      {Box::PageLength, 5, 7, 0x09},
      {Box::PageLength, 5, 8, 0x48},
      {Box::PageLength, 6, 7, 0x0A},
      {Box::PageLength, 6, 8, 0x20},
      {Box::PageLength, 7, 7, 0x0B},
      {Box::PageLength, 7, 8, 0xD0},
      {Box::NLQFontType, 2, 9, 0x14},
      {Box::NLQFontType, 1, 9, 0x11},
      {Box::Pitch, 0, 10, 0x01},
      {Box::Pitch, 1, 10, 0x02},
      {Box::Pitch, 2, 10, 0x04},
      {Box::Pitch, 3, 10, 0x11},
      {Box::Interface, 1, 6, 1},
      {Box::CopyMode, 0, 11, 0x01},
      {Box::PitchLock, 0, 3, 0x04},
      {Box::FontLock, 0, 3, 0x02},
      {Box::AutoLF, 0, 1, 0x86},
      {Box::LPI, 1, 1, 0x02},
      {Box::RollPaper, 1, 2, 0x35},
      {Box::PrintingMode, 1, 2, 0xB4},
      {Box::SlashedZero, 1, 2, 0x95},
      {Box::FontType, 0, 9, 0x03},
      // A box with nothing chosen adds nothing to its word.
      {Box::Tearoff, -1, 2, 0xB1},
      {Box::Interface, -1, 6, 0},
      {Box::PageLength, -1, 7, 0},
      {Box::PageLength, -1, 8, 0},
      {Box::NLQFontType, -1, 9, 0x10},
      {Box::Pitch, -1, 10, 0},
      {Box::LPI, -1, 1, 0x02},
      {Box::Friction, -1, 2, 0xA5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(settings::boxDefinition(c.box).name + std::string(" index ") +
                 std::to_string(c.index));
    Selections s = defaults();
    s[settings::index(c.box)] = c.index;
    EXPECT_EQ(c.value, fncGetFlagWords(s)[c.word]);
  }
  Selections lqSans = defaults();
  lqSans[settings::index(Box::FontType)] = 0;
  lqSans[settings::index(Box::NLQFontType)] = 1;
  EXPECT_EQ(0x01, fncGetFlagWords(lqSans)[9]);
}

// Each word depends on a few boxes only, so every combination of their indexes, -1 included,
// can be tried while the other boxes take random values.
TEST(FlagWords, EveryWordStaysInOneByteForEveryCombination) {
  const std::vector<std::vector<Box>> sources = {
      {Box::StrobeEdge, Box::HSD},
      {Box::LPI, Box::AutoCR, Box::AutoLF, Box::CharacterTable, Box::Emulation},
      {Box::RollPaper, Box::SkipOverPerf, Box::SlashedZero, Box::Friction, Box::PrintingMode,
       Box::Tearoff},
      {Box::PitchLock, Box::FontLock},
      {},
      {},
      {Box::Interface},
      {Box::PageLength},
      {Box::PageLength},
      {Box::FontType, Box::NLQFontType},
      {Box::Pitch},
      {Box::CopyMode},
  };
  std::mt19937 random(7);
  for (std::size_t word = 0; word < sources.size(); ++word) {
    SCOPED_TRACE("word " + std::to_string(word));
    const std::vector<Box>& boxes = sources[word];
    std::vector<settings::Selection> odometer(boxes.size(), settings::kNoSelection);
    bool done = false;
    while (!done) {
      Selections s{};
      for (std::size_t i = 0; i < settings::kBoxCount; ++i)
        s[i] = static_cast<settings::Selection>(
            std::uniform_int_distribution<int>(-1, entryCount(Box(i)) - 1)(random));
      for (std::size_t i = 0; i < boxes.size(); ++i) s[settings::index(boxes[i])] = odometer[i];
      const auto words = fncGetFlagWords(s);
      ASSERT_GE(words[word], 0);
      ASSERT_LE(words[word], 0xFF);
      if (word == 4 || word == 5) {
        ASSERT_EQ(0, words[word]);
      }
      done = true;
      for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (++odometer[i] < entryCount(boxes[i])) {
          done = false;
          break;
        }
        odometer[i] = settings::kNoSelection;
      }
    }
  }
}

TEST(FlagWords, OnlyAWholeSettingsCommandIsOne) {
  const std::string command = settingsCommand(fncGetFlagWords(defaults()));
  const struct {
    const char* what;
    std::string bytes;
    bool isCommand;
  } cases[] = {
      {"the defaults' command", command, true},
      {"a command with other words", settingsCommand(fncGetFlagWords(lastEntries())), true},
      {"a byte short", command.substr(0, command.size() - 1), false},
      {"a byte over", command + '\r', false},
      {"another escape sequence", "\x1B\x19\x02" + command.substr(3), false},
      {"nothing", "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.isCommand, mdlFlagSettings::isSettingsCommand(c.bytes));
  }
}

// SPDX-License-Identifier: Apache-2.0
#include "download/mdlFlagSettings.h"

#include <cstddef>
#include <vector>

namespace mdlFlagSettings {

namespace {

using settings::Box;
using settings::Selection;

// ESC 19 01: what the printer takes as "store the twelve words that follow".
const platform::ByteString kSettingsHeader = "\x1B\x19\x01";

// A one-bit flag, set when its box has the given index.
struct FlagBit {
  std::size_t word;
  std::int16_t bit;
  Box box;
  Selection index;
};

const FlagBit kFlagBits[] = {
    {0, 0x10, Box::StrobeEdge, 0},  {0, 0x08, Box::HSD, 0},       {1, 0x80, Box::LPI, 0},
    {1, 0x20, Box::AutoCR, 0},      {1, 0x04, Box::AutoLF, 0},    {1, 0x02, Box::CharacterTable, 0},
    {1, 0x01, Box::Emulation, 0},   {2, 0x80, Box::RollPaper, 0}, {2, 0x40, Box::SkipOverPerf, 0},
    {2, 0x20, Box::SlashedZero, 0}, {2, 0x10, Box::Friction, 1},  {2, 0x01, Box::PrintingMode, 0},
    {3, 0x04, Box::PitchLock, 0},   {3, 0x02, Box::FontLock, 0},  {11, 0x01, Box::CopyMode, 0},
};

// Values by entry index; an index with no value (-1 among them) contributes 0.
const std::vector<std::int16_t> kTearoffField = {0x04, 0x00, 0x0C, 0x08, 0x02};
const std::vector<std::int16_t> kInterfaceCode = {0, 1, 2};
// Page length in 1/216 inch.
const std::vector<std::int16_t> kPageLengthUnits = {648, 792, 864, 1296, 1728, 2376, 2592, 3024};
const std::vector<std::int16_t> kTypefaceCode = {3, 1, 4};
const std::vector<std::int16_t> kPitchCode = {0x01, 0x02, 0x04, 0x11};

constexpr Selection kDraft = 1;
constexpr std::int16_t kDraftFontCode = 0x10;

std::int16_t valueAt(const std::vector<std::int16_t>& table, Selection index) {
  if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return 0;
  return table[static_cast<std::size_t>(index)];
}

}  // namespace

FlagWords fncGetFlagWords(const settings::Selections& selections) {
  const auto at = [&selections](Box box) { return selections[settings::index(box)]; };
  FlagWords words{};

  for (const FlagBit& flag : kFlagBits) {
    if (at(flag.box) == flag.index)
      words[flag.word] = static_cast<std::int16_t>(words[flag.word] + flag.bit);
  }
  words[2] = static_cast<std::int16_t>(words[2] + valueAt(kTearoffField, at(Box::Tearoff)));
  words[6] = valueAt(kInterfaceCode, at(Box::Interface));

  const std::int16_t pageLength = valueAt(kPageLengthUnits, at(Box::PageLength));
  words[7] = static_cast<std::int16_t>(pageLength >> 8);
  words[8] = static_cast<std::int16_t>(pageLength & 0xFF);

  words[9] = static_cast<std::int16_t>((at(Box::FontType) == kDraft ? kDraftFontCode : 0) +
                                       valueAt(kTypefaceCode, at(Box::NLQFontType)));
  words[10] = valueAt(kPitchCode, at(Box::Pitch));
  return words;
}

platform::ByteString settingsCommand(const FlagWords& words) {
  platform::ByteString command = kSettingsHeader;
  for (std::int16_t word : words) command += static_cast<char>(word);
  return command;
}

bool isSettingsCommand(const platform::ByteString& bytes) {
  return bytes.size() == kSettingsHeader.size() + FlagWords{}.size() &&
         bytes.compare(0, kSettingsHeader.size(), kSettingsHeader) == 0;
}

}  // namespace mdlFlagSettings

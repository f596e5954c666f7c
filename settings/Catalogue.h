// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace settings {

// Index of the chosen entry of a selection box; -1 while no entry is chosen.
using Selection = std::int16_t;
constexpr Selection kNoSelection = -1;

// The 21 selection boxes in window order: left column top to bottom, then the right column.
enum class Box : std::size_t {
  PrintingMode,
  HSD,
  FontType,
  NLQFontType,
  Pitch,
  FontLock,
  PitchLock,
  AutoLF,
  Emulation,
  CharacterTable,
  AutoCR,
  RollPaper,
  Tearoff,
  PageLength,
  LPI,
  SlashedZero,
  SkipOverPerf,
  Friction,
  Interface,
  StrobeEdge,
  CopyMode,
};
constexpr std::size_t kBoxCount = 21;
constexpr std::size_t kLeftColumnBoxes = 10;

constexpr std::size_t index(Box box) {
  return static_cast<std::size_t>(box);
}

struct BoxDefinition {
  const char* name;  // control name, e.g. "cmbEmulation"
  // Caption label text with '&' before the access letter; empty for cmbCopyMode, which has none.
  const char* caption;
  std::vector<std::string> entries;  // the list the window is created with
  Selection defaultIndex;
};

const std::array<BoxDefinition, kBoxCount>& catalogue();
const BoxDefinition& boxDefinition(Box box);

// The access letter of a box as an upper-case letter, or '\0' when its caption has none.
char accessKey(const BoxDefinition& box);

// One selection per box, in catalogue order.
using Selections = std::array<Selection, kBoxCount>;

// The lists the selection rules rebuild.
extern const std::vector<std::string> kCharacterTablesIbm;
extern const std::vector<std::string> kCharacterTablesEscP;
extern const std::vector<std::string> kPitchesLq;
extern const std::vector<std::string> kPitchesDraft;

}  // namespace settings

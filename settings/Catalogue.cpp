// SPDX-License-Identifier: Apache-2.0
#include "settings/Catalogue.h"

#include <cctype>
#include <cstring>

namespace settings {

const std::vector<std::string> kCharacterTablesIbm = {"Set 1", "Set 2"};
const std::vector<std::string> kCharacterTablesEscP = {"Graphics", "Italics"};
const std::vector<std::string> kPitchesLq = {"10 CPI", "12 CPI"};
const std::vector<std::string> kPitchesDraft = {"10 CPI", "12 CPI", "15 CPI", "17 CPI"};

namespace {
const std::vector<std::string> kOnOff = {"Enabled", "Disabled"};
}  // namespace

const std::array<BoxDefinition, kBoxCount>& catalogue() {
  static const std::array<BoxDefinition, kBoxCount> boxes = {{
      {"cmbPrintingMode", "Printing Mo&de", {"Bi-Direction", "Uni-Direction"}, 0},
      {"cmbHSD", "&High Speed Draft", kOnOff, 1},
      // "LQ " ends in a blank on purpose: the entry reads so in the design.
      {"cmbFontType", "Font T&ype", {"LQ ", "Draft"}, 1},
      {"cmbNLQFontType", "NL&Q Font Type", {"Roman", "Sans Serif", "Script"}, 0},
      {"cmbPitch", "&Pitch", kPitchesDraft, 0},
      {"cmbFontLock", "&Font Lock", kOnOff, 1},
      {"cmbPitchLock", "Pitch Loc&k", kOnOff, 1},
      {"cmbAutoLF", "&Auto LineFeed", kOnOff, 1},
      {"cmbEmulation", "E&mulation", {"IBM", "ESC/P"}, 1},
      {"cmbCharacterTable", "&Character Set", kCharacterTablesEscP, 0},
      {"cmbAutoCR", "A&uto CR Return", kOnOff, 1},
      {"cmbRollPaper", "&Roll Paper Support", {"40 Col", "20 Col"}, 0},
      {"cmbTearoff",
       "T&ear Off",
       {"Short Auto", "Short Manual", "True Auto", "True Manual", "Disabled"},
       0},
      {"cmbPageLength",
       "Page Le&ngth",
       {"3 Inch", "3.67 Inch", "4 Inch", "6 Inch", "8 Inch", "11 Inch", "12 Inch", "14 Inch"},
       6},
      {"cmbLPI", "&Line Spacing", {"6 LPI", "8 LPI"}, 0},
      {"cmbSlashedZero", "Slashed &Zero", kOnOff, 0},
      {"cmbSkipOverPerf", "Skip O&ver Perf", {"1 Inch", "None"}, 1},
      {"cmbFriction", "Fricti&on Eject", {"Forward", "Reverse"}, 1},
      {"cmbInterface", "&Interface", {"Parallel", "USB", "AutoShare"}, 2},
      {"cmbStrobeEdge", "&Strobe Edge", {"Rising", "Falling"}, 1},
      {"cmbCopyMode", "", {"Enable", "Disable"}, 1},
  }};
  return boxes;
}

const BoxDefinition& boxDefinition(Box box) {
  return catalogue()[index(box)];
}

char accessKey(const BoxDefinition& box) {
  const char* amp = std::strchr(box.caption, '&');
  if (amp == nullptr || amp[1] == '\0') return '\0';
  return static_cast<char>(std::toupper(static_cast<unsigned char>(amp[1])));
}

}  // namespace settings

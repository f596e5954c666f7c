// SPDX-License-Identifier: Apache-2.0
#include "settings/ShownCaptions.h"

#include <algorithm>

namespace settings {

namespace {

// The window's wording where it differs from the catalogue's labels: "LQ Font Type", the ESC/P
// name of the character table, and "Copy Mode", which has no label.
struct ShownWording {
  Box box;
  const char* caption;
  bool escPOnly;  // under IBM the row reads as its label
};

const ShownWording kShownWordings[] = {
    {Box::NLQFontType, "L&Q Font Type", false},
    {Box::CharacterTable, "&Character Table", true},
    {Box::CopyMode, "&Copy Mode", false},
};

}  // namespace

std::string shownCaption(Box box, Emulation emulation) {
  for (const ShownWording& wording : kShownWordings) {
    if (wording.box == box && !(emulation == Emulation::Ibm && wording.escPOnly)) {
      return wording.caption;
    }
  }
  return boxDefinition(box).caption;
}

std::string withoutAccessMark(std::string caption) {
  caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
  return caption;
}

}  // namespace settings

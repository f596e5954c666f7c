// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "settings/Catalogue.h"

namespace settings {

// What a rule does to one box it governs, by the entry chosen in the governing box.
struct Consequence {
  Box box;
  // The list the box is rebuilt with for each governing entry, its first entry then chosen;
  // empty when the rule leaves the list alone.
  std::vector<const std::vector<std::string>*> listFor;
  // Whether the box is enabled for each governing entry; empty when the rule leaves it alone.
  std::vector<bool> enabledFor;
};

// A box whose selection, when set, changes other boxes.
struct SelectionRule {
  Box governing;
  // In the order the window applies them.
  std::vector<Consequence> consequences;
  // The governing entry whose consequences also hold while nothing is chosen: the rules test
  // for their first entry (and Interface for its third), so nothing chosen takes the other way.
  std::size_t whenNothingChosen;
  // The governing box is the emulation, whose choice also picks the left captions' wording.
  bool picksCaptions;
};

// The rules of the configuration window, in window order of their governing boxes. The window,
// the command line and anything else that checks settings read them here.
const std::vector<SelectionRule>& selectionRules();
// The rule the box runs when it is set; null when it has none.
const SelectionRule* ruleOf(Box box);
// The rule that rebuilds or switches the box, and what it does to it; null when none does.
const SelectionRule* ruleGoverning(Box box);
const Consequence* consequenceFor(Box box);

// The order in which to set boxes, whatever order they were given in: a governing box first,
// so that its rule has rebuilt the lists the other boxes' values are looked up in.
bool setEarlier(Box a, Box b);

}  // namespace settings

#pragma once

#include <vector>

#include "settings/Catalogue.h"

namespace cli {

// A box whose selection runs a rule, and the boxes that rule rebuilds or switches.
struct Rule {
  settings::Box governing;
  std::vector<settings::Box> governed;
};

// The rules of the selection boxes, in window order of their governing boxes. They are learned
// by setting each box as the window does and watching which other boxes change, so they always
// say what the selection boxes do.
const std::vector<Rule>& rules();
// The rule the box runs when it is set; null when it has none.
const Rule* ruleOf(settings::Box box);
// The rule that rebuilds or switches the box; null when none does.
const Rule* ruleGoverning(settings::Box box);

}  // namespace cli

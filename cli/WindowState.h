#pragma once

#include <string>

#include "settings/SelectionBoxes.h"

namespace cli {

// The 21 selection boxes as the configuration window would hold them, without a window: starts
// in the start-up state (IntializeSelectionBoxes) and runs every rule as the window does.
class WindowState {
 public:
  WindowState();

  // Chooses the entry that VALUE names, an entry text or an index, when the box holds it now;
  // false, changing nothing, when it does not.
  bool choose(settings::Box box, const std::string& value);
  bool choose(settings::Box box, settings::Selection index);

  const settings::SelectionBoxes& boxes() const { return boxes_; }
  // The chosen entry's text, as the window shows it.
  const std::string& chosenText(settings::Box box) const;
  // The entries the box holds now, as "0 \"Enabled\", 1 \"Disabled\"".
  std::string entriesNow(settings::Box box) const;
  // " while FontType is \"LQ \"" for a box whose list a rule rebuilds; else empty.
  std::string listCondition(settings::Box box) const;

 private:
  settings::SelectionBoxes boxes_;
};

// Boxes are set in this order whatever order they were given in: a governing box first, so
// that its rule has rebuilt the lists the other boxes' values are looked up in.
bool setEarlier(settings::Box a, settings::Box b);

}  // namespace cli

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "settings/SelectionBoxes.h"

namespace cli {

// The 21 selection boxes as the configuration window would hold them, without a window: starts
// in the start-up state (IntializeSelectionBoxes) and runs every rule as the window does.
class WindowState {
 public:
  WindowState();

  enum class Choice { Chosen, NoEntry, SeveralEntries };

  // Chooses the entry of the box's list now that VALUE names: its text (case and the blanks
  // around it aside), the first word of exactly one entry ("6" for "6 Inch"), or "#N", the
  // entry at index N. Changes nothing unless it answers Chosen.
  Choice choose(settings::Box box, const std::string& value);
  // False, changing nothing, when the list has no entry at the index.
  bool choose(settings::Box box, settings::Selection index);

  const settings::SelectionBoxes& boxes() const { return boxes_; }
  // The chosen entry's text, as the window shows it.
  const std::string& chosenText(settings::Box box) const;
  // The entries the box holds now, as "#0 \"Enabled\", #1 \"Disabled\"".
  std::string entriesNow(settings::Box box) const;
  // " while FontType is \"LQ \"" for a box whose list a rule rebuilds; else empty.
  std::string listCondition(settings::Box box) const;

 private:
  settings::SelectionBoxes boxes_;
};

}  // namespace cli

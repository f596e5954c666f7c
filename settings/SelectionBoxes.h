// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>

#include "settings/Catalogue.h"
#include "settings/SelectionBox.h"
#include "settings/SettingsView.h"

namespace settings {

// The 21 selection boxes of the configuration window with the rules that keep the dependent
// lists, enabled states and caption picture in step with the emulation, font type and interface.
class SelectionBoxes {
 public:
  // Every box holds the catalogue's list, nothing chosen, enabled.
  explicit SelectionBoxes(SettingsView& view);

  const SelectionBox& box(Box box) const { return boxes_[index(box)]; }
  Selection selection(Box box) const { return boxes_[index(box)].selection(); }
  Selections selections() const;

  // Sets a selection as the user or the program would, running the box's rule if it has one.
  // An index outside the list is refused and changes nothing.
  void setSelection(Box box, Selection selection);

  // Puts every box to its default entry, the governing boxes' rules included, and hides the
  // wait notice. "Intialize" is spelled so on purpose: the design names the routine this way.
  void IntializeSelectionBoxes();

 private:
  void runRule(Box box);
  void rebuild(Box box, const std::vector<std::string>& entries);
  void setEnabled(Box box, bool enabled);

  SettingsView& view_;
  std::array<SelectionBox, kBoxCount> boxes_;
};

}  // namespace settings

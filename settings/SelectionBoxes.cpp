// SPDX-License-Identifier: Apache-2.0
#include "settings/SelectionBoxes.h"

#include "settings/SelectionRules.h"

namespace settings {

namespace {

// The order in which the defaults are set: font type before pitch and emulation before
// character table, so that those two defaults land on their rebuilt lists.
constexpr std::array<Box, kBoxCount> kInitializationOrder = {
    Box::PageLength,   Box::PrintingMode,   Box::HSD,
    Box::FontType,     Box::NLQFontType,    Box::Pitch,
    Box::FontLock,     Box::PitchLock,      Box::AutoLF,
    Box::Emulation,    Box::CharacterTable, Box::AutoCR,
    Box::RollPaper,    Box::Tearoff,        Box::StrobeEdge,
    Box::LPI,          Box::SlashedZero,    Box::Interface,
    Box::SkipOverPerf, Box::Friction,       Box::CopyMode,
};

}  // namespace

SelectionBoxes::SelectionBoxes(SettingsView& view) : view_(view) {
  for (std::size_t i = 0; i < kBoxCount; ++i) boxes_[i] = SelectionBox(catalogue()[i].entries);
}

Selections SelectionBoxes::selections() const {
  Selections result{};
  for (std::size_t i = 0; i < kBoxCount; ++i) result[i] = boxes_[i].selection();
  return result;
}

void SelectionBoxes::setSelection(Box box, Selection selection) {
  if (!boxes_[index(box)].setSelection(selection)) return;
  view_.boxChanged(box);
  runRule(box);
}

void SelectionBoxes::IntializeSelectionBoxes() {
  for (Box box : kInitializationOrder) setSelection(box, boxDefinition(box).defaultIndex);
  view_.hideWaitNotice();
}

void SelectionBoxes::runRule(Box box) {
  const SelectionRule* rule = ruleOf(box);
  if (!rule) return;
  const Selection chosen = selection(box);
  const std::size_t entry =
      chosen == kNoSelection ? rule->whenNothingChosen : static_cast<std::size_t>(chosen);
  for (const Consequence& consequence : rule->consequences) {
    if (!consequence.listFor.empty()) {
      rebuild(consequence.box, *consequence.listFor[entry]);
      setSelection(consequence.box, 0);
    }
    if (!consequence.enabledFor.empty()) setEnabled(consequence.box, consequence.enabledFor[entry]);
  }
  if (rule->picksCaptions) {
    view_.showCaptionPicture(emulationOf(static_cast<Selection>(entry)));
  }
}

void SelectionBoxes::rebuild(Box box, const std::vector<std::string>& entries) {
  SelectionBox& target = boxes_[index(box)];
  target.clear();
  for (const std::string& entry : entries) target.append(entry);
  view_.boxChanged(box);
}

void SelectionBoxes::setEnabled(Box box, bool enabled) {
  boxes_[index(box)].setEnabled(enabled);
  view_.boxChanged(box);
}

}  // namespace settings

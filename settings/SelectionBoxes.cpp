#include "settings/SelectionBoxes.h"

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

constexpr Selection kIbm = 0;
constexpr Selection kLq = 0;
constexpr Selection kParallel = 0;
constexpr Selection kAutoShare = 2;

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
  switch (box) {
    case Box::Emulation:
      emulationRule();
      break;
    case Box::FontType:
      fontTypeRule();
      break;
    case Box::Interface:
      interfaceRule();
      break;
    default:
      break;
  }
}

void SelectionBoxes::emulationRule() {
  const bool ibm = selection(Box::Emulation) == kIbm;
  rebuild(Box::CharacterTable, ibm ? kCharacterTablesIbm : kCharacterTablesEscP);
  setSelection(Box::CharacterTable, 0);
  view_.showCaptionPicture(ibm ? Emulation::Ibm : Emulation::EscP);
  setEnabled(Box::AutoCR, ibm);
}

void SelectionBoxes::fontTypeRule() {
  const bool lq = selection(Box::FontType) == kLq;
  setEnabled(Box::NLQFontType, lq);
  rebuild(Box::Pitch, lq ? kPitchesLq : kPitchesDraft);
  setSelection(Box::Pitch, 0);
}

void SelectionBoxes::interfaceRule() {
  const Selection interface = selection(Box::Interface);
  setEnabled(Box::StrobeEdge, interface == kAutoShare || interface == kParallel);
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

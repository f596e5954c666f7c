#include "cli/WindowState.h"

#include <algorithm>
#include <cctype>

#include "cli/BoxNames.h"
#include "cli/Text.h"
#include "settings/SelectionRules.h"
#include "settings/SettingsView.h"

namespace cli {

namespace {

// Copied for each state: running IntializeSelectionBoxes every time costs more.
const settings::SelectionBoxes& startUpState() {
  static settings::NoView window;
  static const settings::SelectionBoxes boxes = [] {
    settings::SelectionBoxes initialized(window);
    initialized.IntializeSelectionBoxes();
    return initialized;
  }();
  return boxes;
}

bool isIndex(const std::string& text) {
  return !text.empty() && text.size() <= 4 && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
}

}  // namespace

WindowState::WindowState() : boxes_(startUpState()) {}

bool WindowState::choose(settings::Box box, const std::string& value) {
  const std::string wanted = trimmed(value);
  if (isIndex(wanted)) return choose(box, static_cast<settings::Selection>(std::stoi(wanted)));
  const auto& entries = boxes_.box(box).entries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (sameText(entries[i], wanted)) return choose(box, static_cast<settings::Selection>(i));
  }
  return false;
}

bool WindowState::choose(settings::Box box, settings::Selection index) {
  if (index < 0 || static_cast<std::size_t>(index) >= boxes_.box(box).entries().size()) {
    return false;
  }
  boxes_.setSelection(box, index);
  return true;
}

const std::string& WindowState::chosenText(settings::Box box) const {
  const settings::SelectionBox& chosen = boxes_.box(box);
  return chosen.entries()[static_cast<std::size_t>(chosen.selection())];
}

std::string WindowState::entriesNow(settings::Box box) const {
  std::vector<std::string> listed;
  const auto& entries = boxes_.box(box).entries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    listed.push_back(std::to_string(i) + " " + quoted(entries[i]));
  }
  return joined(listed, ", ");
}

std::string WindowState::listCondition(settings::Box box) const {
  const settings::Consequence* consequence = settings::consequenceFor(box);
  if (!consequence || consequence->listFor.empty()) return "";
  const settings::Box governing = settings::ruleGoverning(box)->governing;
  return " while " + boxName(governing) + " is " + quoted(chosenText(governing));
}

bool setEarlier(settings::Box a, settings::Box b) {
  const bool aGoverns = settings::ruleOf(a) != nullptr;
  const bool bGoverns = settings::ruleOf(b) != nullptr;
  if (aGoverns != bGoverns) return aGoverns;
  return settings::index(a) < settings::index(b);
}

}  // namespace cli

// SPDX-License-Identifier: Apache-2.0
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

// "#N": the entry at index N; -1 for any other text.
int indexWritten(const std::string& text) {
  const bool digits = text.size() >= 2 && text.size() <= 5 && text[0] == '#' &&
                      std::all_of(text.begin() + 1, text.end(), [](char c) {
                        return std::isdigit(static_cast<unsigned char>(c)) != 0;
                      });
  return digits ? std::stoi(text.substr(1)) : -1;
}

std::string firstWord(const std::string& entry) {
  const std::string text = trimmed(entry);
  return text.substr(0, text.find(' '));
}

}  // namespace

WindowState::WindowState() : boxes_(startUpState()) {}

WindowState::Choice WindowState::choose(settings::Box box, const std::string& value) {
  const std::string wanted = trimmed(value);
  if (!wanted.empty() && wanted[0] == '#') {
    const int index = indexWritten(wanted);
    return index >= 0 && choose(box, static_cast<settings::Selection>(index)) ? Choice::Chosen
                                                                              : Choice::NoEntry;
  }
  const auto& entries = boxes_.box(box).entries();
  std::vector<std::size_t> starting;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (sameText(entries[i], wanted)) {
      starting = {i};
      break;
    }
    if (sameText(firstWord(entries[i]), wanted)) starting.push_back(i);
  }
  if (starting.empty()) return Choice::NoEntry;
  if (starting.size() > 1) return Choice::SeveralEntries;
  choose(box, static_cast<settings::Selection>(starting.front()));
  return Choice::Chosen;
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
    listed.push_back("#" + std::to_string(i) + " " + quoted(entries[i]));
  }
  return joined(listed, ", ");
}

std::string WindowState::listCondition(settings::Box box) const {
  const settings::Consequence* consequence = settings::consequenceFor(box);
  if (!consequence || consequence->listFor.empty()) return "";
  const settings::Box governing = settings::ruleGoverning(box)->governing;
  return " while " + boxName(governing) + " is " + quoted(chosenText(governing));
}

}  // namespace cli

// SPDX-License-Identifier: Apache-2.0
#include "cli/Assignments.h"

#include <algorithm>

#include "cli/BoxNames.h"
#include "cli/Failure.h"
#include "cli/Text.h"
#include "settings/SelectionRules.h"

namespace cli {

void chooseValue(WindowState& state, settings::Box box, const std::string& value) {
  const WindowState::Choice choice = state.choose(box, value);
  if (choice == WindowState::Choice::Chosen) return;
  const std::string what = choice == WindowState::Choice::NoEntry
                               ? " has no entry "
                               : " has more than one entry that begins ";
  throw Failure(kBadInput, boxName(box) + what + quoted(value) + state.listCondition(box) +
                               "; its entries are " + state.entriesNow(box));
}

Assignment parseAssignment(const std::string& text) {
  const auto equals = text.find('=');
  if (equals == std::string::npos) {
    throw Failure(kUsageError, "expected NAME=VALUE, not " + quoted(text));
  }
  const std::string name = text.substr(0, equals);
  const auto box = boxNamed(name);
  if (!box) {
    throw Failure(kBadInput,
                  "no box is named " + quoted(name) + "; the boxes are " + allBoxNames());
  }
  return {*box, text.substr(equals + 1)};
}

WindowState applyAssignments(std::vector<Assignment> assignments) {
  std::stable_sort(
      assignments.begin(), assignments.end(),
      [](const Assignment& a, const Assignment& b) { return settings::setEarlier(a.box, b.box); });
  WindowState state;
  for (std::size_t i = 0; i < assignments.size(); ++i) {
    const Assignment& assignment = assignments[i];
    if (i > 0 && assignments[i - 1].box == assignment.box) {
      throw Failure(kBadInput, boxName(assignment.box) + " is given more than once");
    }
    chooseValue(state, assignment.box, assignment.value);
  }
  return state;
}

}  // namespace cli

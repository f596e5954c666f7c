// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <vector>

#include "cli/WindowState.h"
#include "settings/Catalogue.h"

namespace cli {

// NAME=VALUE from the command line: a box and the value that names the entry to choose in it.
struct Assignment {
  settings::Box box;
  std::string value;
};

// Throws Failure: a usage error without "=", a bad name for an unknown box.
Assignment parseAssignment(const std::string& text);

// Chooses the entry VALUE names in the box's list now (WindowState::choose); throws Failure,
// naming the box's entries, when it names none or more than one.
void chooseValue(WindowState& state, settings::Box box, const std::string& value);

// The start-up state with the assignments made as a user would make them in the window: the
// governing boxes first, then the others. Throws Failure for a box named twice or a value that
// is not in the box's list at that moment.
WindowState applyAssignments(std::vector<Assignment> assignments);

}  // namespace cli

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <vector>

#include "cli/Outside.h"

namespace cli {

// mrl770-settings with its arguments (the program's name left out): runs the command and
// returns the exit status. Failures are reported on outside.err.
int run(const std::vector<std::string>& arguments, Outside& outside);

}  // namespace cli

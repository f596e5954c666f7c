// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/Catalogue.h"

namespace cli {

// A box's name on the command line: its control name without "cmb", e.g. "PrintingMode".
std::string boxName(settings::Box box);
// The caption the window shows the box with, without its '&'; empty for CopyMode, which has
// none in the catalogue.
std::string boxCaption(settings::Box box);
// The box of that name or caption, case, blanks and dashes aside ("line-spacing" is LPI);
// none when no box has it.
std::optional<settings::Box> boxNamed(const std::string& name);
// Every entry any list of the box can hold: the catalogue's, then those its rule builds.
std::vector<std::string> everyEntry(settings::Box box);
// Every name, in window order, separated by commas.
std::string allBoxNames();

}  // namespace cli

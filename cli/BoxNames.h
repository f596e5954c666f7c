#pragma once

#include <optional>
#include <string>

#include "settings/Catalogue.h"

namespace cli {

// A box's name on the command line: its control name without "cmb", e.g. "PrintingMode".
std::string boxName(settings::Box box);
// The box of that name, upper and lower case alike; none when no box has it.
std::optional<settings::Box> boxNamed(const std::string& name);
// Every name, in window order, separated by commas.
std::string allBoxNames();

}  // namespace cli

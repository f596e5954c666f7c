// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>

#include "printer-app/AppliedSettings.h"

namespace printerapp {

// The program's name: PAPPL names its state file, spool folder and socket after it.
constexpr const char* kApplicationName = "mrl770-printer-app";

// What the PAPPL callbacks share, handed to them as papplMainloop's data.
struct Application {
  // Made by the system callback, once it knows where the state lives.
  std::optional<AppliedSettings> applied;
};

}  // namespace printerapp

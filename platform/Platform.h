// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/MessageBoxes.h"
#include "platform/Sleeper.h"
#include "platform/Spooler.h"

namespace platform {

// Everything the program reaches outside itself.
struct Platform {
  Spooler& spooler;
  MessageBoxes& messageBoxes;
  Sleeper& sleeper;
};

}  // namespace platform

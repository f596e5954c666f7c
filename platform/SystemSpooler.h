#pragma once

#include <memory>

#include "platform/Spooler.h"

namespace platform {

// The operating system's own spooler: CUPS on Linux, winspool on Windows.
std::unique_ptr<Spooler> makeSystemSpooler();

}  // namespace platform

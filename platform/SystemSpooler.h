// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>
#include <string>

#include "platform/Spooler.h"

namespace platform {

// The operating system's own spooler: CUPS on Linux, winspool on Windows.
std::unique_ptr<Spooler> makeSystemSpooler();

// Points the system's spooler at another server for the rest of the process, as CUPS_SERVER
// would: HOST, HOST:PORT or the path of a local socket; an empty name goes back to the one the
// environment gives. False where the system's spooler has no servers to choose from (Windows).
bool useSpoolerServer(const std::string& server);

}  // namespace platform

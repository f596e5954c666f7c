#pragma once

#include <functional>

#include "cli/Arguments.h"
#include "cli/Outside.h"
#include "platform/Platform.h"

namespace cli {

// Runs SEND against the spooler the options name (--server, --printer; else the default
// printer of the system's spooler). The window's failure messages go to stderr; on success
// "sent to QUEUE as job N" goes to stdout. Returns kDone only when the spooler accepted the
// whole document.
int sendDocument(const Arguments& arguments, Outside& outside,
                 const std::function<void(platform::Platform&)>& send);

}  // namespace cli

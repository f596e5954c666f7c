#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace mdlFlagSettings {

enum class PrintOutcome {
  Sent,    // the document was handed to the spooler
  Busy,    // the queue was not empty: nothing sent, nothing shown
  Failed,  // nothing sent; any message has been shown
};

enum class BusyCheck { Skip, Required };

// Sends one document to the system's default printer, one write per byte string, in order.
// Shows the no-printer and open-failed messages itself.
PrintOutcome RawPrintJob(platform::Platform& platform, const std::string& documentName,
                         const std::vector<platform::ByteString>& data, BusyCheck busyCheck);

}  // namespace mdlFlagSettings

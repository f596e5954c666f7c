#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace printjob {

enum class PrintOutcome {
  Sent,         // the spooler accepted the whole document
  Busy,         // the queue was not empty: nothing sent, nothing shown
  Failed,       // nothing sent; any message has been shown
  NotAccepted,  // the spooler did not take the document; nothing of it stays queued
};

struct PrintResult {
  PrintOutcome outcome;
  // The spooler's own words on why it did not accept the document.
  std::string reason;
};

enum class BusyCheck { Skip, Required };

// Sends one document to the system's default printer, one write per byte string, in order.
// Shows the no-printer and open-failed messages itself; a document the spooler did not accept
// is left to the caller, whose message says what was lost.
PrintResult RawPrintJob(platform::Platform& platform, const std::string& documentName,
                        const std::vector<platform::ByteString>& data, BusyCheck busyCheck);

}  // namespace printjob

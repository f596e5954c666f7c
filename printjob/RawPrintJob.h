// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace printjob {

enum class PrintOutcome {
  Sent,         // the spooler accepted the whole document
  Busy,         // the queue was not empty: nothing sent, nothing shown
  NoPrinter,    // the spooler has no printer at all; the no-printer message has been shown
  OpenFailed,   // no default, no spooler to ask, or the queue would not open; message shown
  NotAccepted,  // the spooler did not take the document; nothing of it stays queued
  Failed,       // the platform failed in a way no message covers; nothing sent
};

struct PrintResult {
  PrintOutcome outcome;
  // The spooler's own words on why the queue did not open or the document was not accepted,
  // with control characters removed and cut to a length a message box can hold.
  std::string reason;
  // The queue the job went to or was meant for; empty when there was none to name.
  std::string queue;
  // The spooler's number for a sent job; 0 when it gives none.
  int jobId = 0;
};

// Text from the spooler as it may be shown: without control characters, at most kMaxReason
// bytes, so that a server's answer can neither drive a terminal nor flood a message box.
constexpr std::size_t kMaxReason = 200;
std::string shownText(const std::string& spoolerText);

enum class BusyCheck { Skip, Required };

// Sends one document to the system's default printer, one write per byte string, in order.
// Shows the no-printer and open-failed messages itself; a document the spooler did not accept
// is left to the caller, whose message says what was lost.
PrintResult RawPrintJob(platform::Platform& platform, const std::string& documentName,
                        const std::vector<platform::ByteString>& data, BusyCheck busyCheck);

}  // namespace printjob

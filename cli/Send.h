// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <functional>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Outside.h"
#include "platform/Platform.h"
#include "printjob/RawPrintJob.h"

namespace cli {

constexpr int kDefaultWaitSeconds = 60;

// The options of a command that prints: -d/--printer, -h/--server, --json, --wait, --timeout.
const std::vector<KnownOption>& printOptions();
// The same for a command that prints to several queues at once: -d repeats, and --all and
// --all-queues choose the queues (cli/Queues.h).
const std::vector<KnownOption>& severalQueuesPrintOptions();

// Runs SEND against the spooler the options name (-h, -d; else the default printer of the
// system's spooler) and reports the job: "QUEUE-ID" on stdout, or with --json an object with
// the queue, the job number and the outcome; a job not sent is a message on stderr. With
// --wait, follows the job until it ends. Returns the exit status. With several queues, SEND
// runs for each at once, in a thread of its own, on a spooler from outside.newSpooler(); their
// reports come in the queues' order and the exit status is the worst of theirs.
int submitJob(const Arguments& arguments, Outside& outside,
              const std::function<printjob::PrintResult(platform::Platform&)>& send);

}  // namespace cli

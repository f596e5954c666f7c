// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "platform/cups/CupsConnection.h"

namespace platform::cups {

// Jobs that may stand in a queue although the scheduler never said so: the whole Print-Job went
// out and its answer was lost, or named no job. Their numbers are unknown, so each is kept by
// the scheduler, the queue, its name and when it was sent, in a small file of the user's
// ($XDG_RUNTIME_DIR, else ~/.cache, else the temporary folder). Whichever process next opens
// the queue, the window (restarted or not) or the command line, cancels them before it counts
// the queue's jobs: a document the user was told was not taken neither prints later nor makes
// the queue look busy.
void rememberUnfinishedJob(const std::string& queue, const std::string& jobName);
// Cancels the jobs remembered for the queue on the scheduler the connection goes to, and
// forgets them once the scheduler has answered; true when it cancelled any.
bool cancelUnfinishedJobs(CupsConnection& connection, const std::string& queue);

}  // namespace platform::cups

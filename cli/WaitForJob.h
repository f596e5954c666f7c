// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "platform/Sleeper.h"
#include "platform/Spooler.h"

namespace cli {

constexpr int kPollMs = 500;

// Where a job stood when the wait for it ended.
struct WaitEnd {
  platform::JobStatus status;
  bool timedOut;
};

// Asks the spooler every kPollMs where the job stands until it has ended (completed, cancelled
// or aborted), the spooler cannot tell, or TIMEOUT_SECONDS of sleeping have passed.
WaitEnd waitForJob(platform::Spooler& spooler, platform::Sleeper& sleeper, const std::string& queue,
                   int jobId, int timeoutSeconds);

// "completed", "held", ...: the state as the command line reports it.
const char* stateName(platform::JobState state);

}  // namespace cli

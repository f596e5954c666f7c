// SPDX-License-Identifier: Apache-2.0
#include "cli/WaitForJob.h"

namespace cli {

namespace {

bool hasEnded(platform::JobState state) {
  return state == platform::JobState::Completed || state == platform::JobState::Cancelled ||
         state == platform::JobState::Aborted || state == platform::JobState::Unknown;
}

}  // namespace

WaitEnd waitForJob(platform::Spooler& spooler, platform::Sleeper& sleeper, const std::string& queue,
                   int jobId, int timeoutSeconds) {
  for (long waited = 0;; waited += kPollMs) {
    const platform::JobStatus status = spooler.jobStatus(queue, jobId);
    if (hasEnded(status.state)) return {status, false};
    if (waited >= timeoutSeconds * 1000L) return {status, true};
    sleeper.sleepMs(kPollMs);
  }
}

const char* stateName(platform::JobState state) {
  switch (state) {
    case platform::JobState::Unknown:
      return "unknown";
    case platform::JobState::Pending:
      return "pending";
    case platform::JobState::Held:
      return "held";
    case platform::JobState::Processing:
      return "processing";
    case platform::JobState::Stopped:
      return "stopped";
    case platform::JobState::Completed:
      return "completed";
    case platform::JobState::Cancelled:
      return "cancelled";
    case platform::JobState::Aborted:
      return "aborted";
  }
  return "unknown";
}

}  // namespace cli

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/cups/CupsConnection.h"

namespace platform::cups {

// Jobs whose document was given up but that could not be cancelled, because the scheduler did
// not answer. Each stays in its queue, without a document, until the scheduler aborts it, and
// makes the printer look busy meanwhile; so it is cancelled the next time its queue is opened.
class UnfinishedJobs {
 public:
  // Cancels the job on a connection of its own; remembers it when the scheduler cannot be
  // reached.
  void cancel(const std::string& queue, int jobId);
  // Cancels the jobs remembered for the queue on the connection it was just opened on.
  void cancelRemembered(CupsConnection& connection, const std::string& queue);

 private:
  enum class Cancelled { Yes, SchedulerNotReached };
  static Cancelled cancelOn(CupsConnection& connection, const std::string& queue, int jobId);
  static std::string key(const std::string& queue);

  // By scheduler and queue: the same queue name on another scheduler is another queue.
  std::map<std::string, std::vector<int>> remembered_;
};

}  // namespace platform::cups

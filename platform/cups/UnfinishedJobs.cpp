// SPDX-License-Identifier: Apache-2.0
#include "platform/cups/UnfinishedJobs.h"

#include <algorithm>

namespace platform::cups {

UnfinishedJobs::Cancelled UnfinishedJobs::cancelOn(CupsConnection& connection,
                                                   const std::string& queue, int jobId) {
  if (connection.gaveUp()) return Cancelled::SchedulerNotReached;
  ipp_t* request = ippNewRequest(IPP_OP_CANCEL_JOB);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
               printerUri(queue).c_str());
  ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  ipp_t* response = cupsDoRequest(connection.http(), request, "/jobs/");
  // Any answer settles it: a job that is gone or already finished needs nothing more.
  const bool answered = response != nullptr;
  ippDelete(response);
  return answered ? Cancelled::Yes : Cancelled::SchedulerNotReached;
}

void UnfinishedJobs::cancel(const std::string& queue, int jobId) {
  const auto connection = CupsConnection::open();
  if (connection && cancelOn(*connection, queue, jobId) == Cancelled::Yes) return;
  remembered_[key(queue)].push_back(jobId);
}

void UnfinishedJobs::cancelRemembered(CupsConnection& connection, const std::string& queue) {
  const auto found = remembered_.find(key(queue));
  if (found == remembered_.end()) return;
  std::vector<int>& jobs = found->second;
  jobs.erase(std::remove_if(
                 jobs.begin(), jobs.end(),
                 [&](int jobId) { return cancelOn(connection, queue, jobId) == Cancelled::Yes; }),
             jobs.end());
  if (jobs.empty()) remembered_.erase(found);
}

std::string UnfinishedJobs::key(const std::string& queue) {
  return std::string(cupsServer()) + ":" + std::to_string(ippPort()) + "/" + queue;
}

}  // namespace platform::cups

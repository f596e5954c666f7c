// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/Spooler.h"
#include "platform/cups/UnfinishedJobs.h"

namespace platform::cups {

// The CUPS scheduler that libcups is pointed at (CUPS_SERVER, client.conf or the local one).
class CupsSpooler : public Spooler {
 public:
  // The user's lpoptions default, PRINTER or LPDEST, else the scheduler's default.
  DefaultPrinter defaultPrinter() override;
  // Null when the scheduler cannot be reached or has no such destination.
  // Printers it opens must not outlive it.
  std::unique_ptr<Printer> open(const std::string& name) override;
  // The scheduler's reason, as lp gives it, or the system's when it could not be reached.
  std::string lastError() const override { return lastError_; }
  // Asked on a connection of its own; Unknown when the scheduler does not answer or does not
  // know the job.
  JobStatus jobStatus(const std::string& queue, int jobId) override;
  // Asked on a connection of its own (CupsQueues.cpp).
  std::vector<QueueInfo> queues() override;

 private:
  UnfinishedJobs unfinishedJobs_;
  std::string lastError_;
};

}  // namespace platform::cups

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/Spooler.h"
#include "platform/cups/CupsConnection.h"

namespace platform::cups {

// The CUPS scheduler the environment names (CUPS_SERVER, client.conf or the local one).
// A job costs two requests on one connection: the lookup of the queue, which also gives the
// count of its jobs, and the Print-Job that carries the document.
class CupsSpooler : public Spooler {
 public:
  // LPDEST, PRINTER or the user's lpoptions default, else the scheduler's. The lookup's
  // connection and answer are kept for the open of the queue it found.
  DefaultPrinter defaultPrinter() override;
  // Null when the scheduler cannot be reached or has no such destination. Cancels the jobs of
  // the queue that an earlier process left unfinished (UnfinishedJobs.h) before it counts them.
  std::unique_ptr<Printer> open(const std::string& name) override;
  // The scheduler's reason, as lp gives it, or the system's when it could not be reached.
  std::string lastError() const override { return lastError_; }
  // Asked on a connection of its own; Unknown when the scheduler does not answer or does not
  // know the job.
  JobStatus jobStatus(const std::string& queue, int jobId) override;
  // Asked on a connection of its own (CupsQueues.cpp).
  std::vector<QueueInfo> queues() override;

 private:
  // A queue as the scheduler described it, on the connection it was asked on.
  struct Lookup {
    std::unique_ptr<CupsConnection> connection;
    std::string server;
    std::string queue;
    int queuedJobs;
  };

  std::optional<Lookup> found_;
  std::string lastError_;
};

}  // namespace platform::cups

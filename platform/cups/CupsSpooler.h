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

 private:
  UnfinishedJobs unfinishedJobs_;
};

}  // namespace platform::cups

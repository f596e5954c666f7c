#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/Spooler.h"

namespace cli {

// What became of the one document a command sends.
struct Delivery {
  std::string queue;  // the queue it was opened on; empty when none was
  bool accepted = false;
  int jobId = 0;  // the spooler's number for it; 0 when it gives none
};

// The system's spooler, with a named queue standing in for the default printer when one is
// given (--printer), which keeps watch over the document: the queue, whether the spooler
// accepted it whole, and its job number.
class WatchedSpooler : public platform::Spooler {
 public:
  WatchedSpooler(platform::Spooler& spooler, std::optional<std::string> queue)
      : spooler_(spooler), queue_(std::move(queue)) {}

  platform::DefaultPrinter defaultPrinter() override;
  std::unique_ptr<platform::Printer> open(const std::string& name) override;

  const Delivery& delivery() const { return delivery_; }

 private:
  platform::Spooler& spooler_;
  std::optional<std::string> queue_;
  Delivery delivery_;
};

}  // namespace cli

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/Spooler.h"

namespace platform {

// The Windows print spooler (winspool, ANSI calls).
class WinSpooler : public Spooler {
 public:
  DefaultPrinter defaultPrinter() override;
  std::unique_ptr<Printer> open(const std::string& name) override;
  // The system's words for why OpenPrinter failed.
  std::string lastError() const override { return lastError_; }

 private:
  std::string lastError_;
};

}  // namespace platform

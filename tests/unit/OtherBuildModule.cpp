// SPDX-License-Identifier: Apache-2.0
// A spooler module from another build of the program. Its spooler has a default printer, so a
// program that used it would find one.
#include "platform/SpoolerModule.h"

namespace {

class OtherBuildSpooler : public platform::Spooler {
 public:
  platform::DefaultPrinter defaultPrinter() override {
    return {platform::DefaultPrinter::Status::Found, "Zel"};
  }
  std::unique_ptr<platform::Printer> open(const std::string&) override { return nullptr; }
};

}  // namespace

extern "C" platform::Spooler* mrl770_make_spooler() {
  return new OtherBuildSpooler;
}

extern "C" const char* mrl770_spooler_build() {
  return "another build";
}

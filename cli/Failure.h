// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <stdexcept>
#include <string>

namespace cli {

// The name each message on stderr begins with.
inline constexpr const char* kProgram = "mrl770-settings";

// The exit statuses that scripts rely on.
enum ExitStatus : int {
  kDone = 0,
  kUsageError = 1,
  kBadInput = 2,         // a bad box name, value or command bytes
  kBusy = 3,             // the printer's queue was not empty; nothing was sent
  kNotSent = 4,          // no printer, it cannot be opened, or the spooler did not accept the job
  kCannotWrite = 5,      // standard output or the --out file could not be written
  kJobNotCompleted = 6,  // --wait: the job was cancelled or aborted, or the spooler lost it
  kWaitTimedOut = 7,     // --wait: the job had not ended when the time ran out
};

// Ends the command with its exit status; the message goes to stderr.
class Failure : public std::runtime_error {
 public:
  Failure(ExitStatus exitStatus, const std::string& message)
      : std::runtime_error(message), status_(exitStatus) {}
  ExitStatus status() const { return status_; }

 private:
  ExitStatus status_;
};

}  // namespace cli

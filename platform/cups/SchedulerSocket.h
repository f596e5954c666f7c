// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/cups/ClientConfig.h"

namespace platform::cups {

// A stream connection to the scheduler on which every step gives up at a deadline, however the
// other side stalls or trickles.
class SchedulerSocket {
 public:
  using Deadline = std::chrono::steady_clock::time_point;
  enum class Io {
    Done,
    Closed,    // the other side closed the connection
    TimedOut,  // the deadline passed first
    Failed,    // the system's reason is in error()
  };

  // Null when the scheduler cannot be reached by the deadline; whyNot then holds the reason.
  static std::unique_ptr<SchedulerSocket> connect(const SchedulerAddress& address,
                                                  Deadline deadline, std::string& whyNot);
  ~SchedulerSocket();
  SchedulerSocket(const SchedulerSocket&) = delete;
  SchedulerSocket& operator=(const SchedulerSocket&) = delete;

  Io send(const std::string& bytes, Deadline deadline);
  // Appends what comes next, at least a byte.
  Io receive(std::string& into, Deadline deadline);
  // The system's error number of the last step that failed.
  int error() const { return error_; }

 private:
  explicit SchedulerSocket(int fd) : fd_(fd) {}
  // Waits until the socket is ready for the events; Done when it is.
  Io await(short events, Deadline deadline);

  int fd_;
  int error_ = 0;
};

}  // namespace platform::cups

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <atomic>
#include <string>

#include "SocketServer.h"

// A server on a unix socket that passes each connection on to a scheduler's socket, and the
// scheduler's answers back as they are told to go. Serves from a thread of its own until
// destroyed.
class SchedulerRelay {
 public:
  enum class Answers {
    Passed,
    // One byte every three seconds, as a scheduler that is all but stuck.
    Trickled,
    // The answer after the next 100 Continue is dropped, on the connection that is open, so the
    // scheduler takes the whole request and the client never hears of it; then Passed again.
    NextLost,
    // As NextLost, but the first half of what the answer's first read brings is passed before
    // the connection is closed.
    NextHalved,
  };

  SchedulerRelay(const std::string& socketPath, const std::string& schedulerSocket);
  ~SchedulerRelay() { stopping_ = true; }
  void set(Answers answers) { answers_ = answers; }

 private:
  void serveOne(int listening);
  // Sets lost once it has dropped an answer.
  void relay(int client, int scheduler, bool& lost);

  std::string scheduler_;
  std::atomic<Answers> answers_{Answers::Passed};
  // Ends the connections being served, so that the server's thread can stop.
  std::atomic<bool> stopping_{false};
  SocketServer server_;
};

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <condition_variable>
#include <mutex>

#include "platform/Sleeper.h"

namespace cli {

// Lets at most a few threads talk to the spooler at a time: a scheduler takes only so many
// connections at once, and refuses the rest.
class SpoolerTurns {
 public:
  explicit SpoolerTurns(int atOnce) : free_(atOnce) {}
  void take();
  void giveBack();

 private:
  std::mutex mutex_;
  std::condition_variable freed_;
  int free_;
};

// A thread's turn for as long as it lives, given away while the thread sleeps: a job holds no
// connection during the pause after it, so the pauses of many queues overlap.
class SpoolerTurn : public platform::Sleeper {
 public:
  SpoolerTurn(SpoolerTurns& turns, platform::Sleeper& sleeper);
  ~SpoolerTurn() override;
  SpoolerTurn(const SpoolerTurn&) = delete;
  SpoolerTurn& operator=(const SpoolerTurn&) = delete;

  void sleepMs(int milliseconds) override;

 private:
  SpoolerTurns& turns_;
  platform::Sleeper& sleeper_;
};

}  // namespace cli

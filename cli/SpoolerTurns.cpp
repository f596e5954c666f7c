// SPDX-License-Identifier: Apache-2.0
#include "cli/SpoolerTurns.h"

namespace cli {

void SpoolerTurns::take() {
  std::unique_lock<std::mutex> lock(mutex_);
  freed_.wait(lock, [this] { return free_ > 0; });
  --free_;
}

void SpoolerTurns::giveBack() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    ++free_;
  }
  freed_.notify_one();
}

SpoolerTurn::SpoolerTurn(SpoolerTurns& turns, platform::Sleeper& sleeper)
    : turns_(turns), sleeper_(sleeper) {
  turns_.take();
}

SpoolerTurn::~SpoolerTurn() {
  turns_.giveBack();
}

void SpoolerTurn::sleepMs(int milliseconds) {
  turns_.giveBack();
  sleeper_.sleepMs(milliseconds);
  turns_.take();
}

}  // namespace cli

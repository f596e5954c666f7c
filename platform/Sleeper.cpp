// SPDX-License-Identifier: Apache-2.0
#include "platform/Sleeper.h"

#include <chrono>
#include <thread>

namespace platform {

void ThreadSleeper::sleepMs(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace platform

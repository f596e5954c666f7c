// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace platform {

class Sleeper {
 public:
  virtual ~Sleeper() = default;
  // Blocks the calling thread.
  virtual void sleepMs(int milliseconds) = 0;
};

// Sleeps for real.
class ThreadSleeper : public Sleeper {
 public:
  void sleepMs(int milliseconds) override;
};

}  // namespace platform

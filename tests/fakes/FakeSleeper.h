// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/Sleeper.h"

// Records each pause instead of sleeping.
class FakeSleeper : public platform::Sleeper {
 public:
  void sleepMs(int milliseconds) override { pauses.push_back(milliseconds); }

  std::vector<int> pauses;
};

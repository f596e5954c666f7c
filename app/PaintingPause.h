// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/Sleeper.h"

namespace app {

// The pause after a settings job, as the windows take it: the window stays blocked (the user's
// keys and clicks wait until the pause is over, and so does a request to close a window), but
// it repaints what the window system uncovers meanwhile, such as the area under a closed
// message box.
class PaintingPause : public platform::Sleeper {
 public:
  void sleepMs(int milliseconds) override;
};

}  // namespace app

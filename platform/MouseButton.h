// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace platform {

// Mouse button codes as the window reports them on a release.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

}  // namespace platform

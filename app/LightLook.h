// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace app {

// Gives every control of the program, message boxes and drop-down lists included, the light
// palette its artwork is drawn for, whatever the desktop's theme.
void useLightLook();

}  // namespace app

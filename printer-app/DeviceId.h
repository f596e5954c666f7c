// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string_view>

namespace printerapp {

// Whether an IEEE 1284 device ID ("MFG:Zel;MDL:MRL 770;...", as a USB or parallel printer
// reports itself) names this printer; case and blanks in the names do not count.
bool isMrl770(std::string_view deviceId);

}  // namespace printerapp

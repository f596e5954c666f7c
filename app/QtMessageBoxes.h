// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/MessageBoxes.h"

namespace app {

// Modal Qt message boxes for the message-box styles the program uses: 65 OK and Cancel with
// the information icon, 36 Yes and No with the question icon, 16 OK with the stop icon.
class QtMessageBoxes : public platform::MessageBoxes {
 public:
  platform::Answer show(const std::string& text, const std::string& title, int style) override;
};

}  // namespace app

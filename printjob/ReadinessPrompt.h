// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/MessageBoxes.h"

namespace printjob {

// Asks the user to make sure the printer is ready. True only when the user chose OK.
bool readinessPrompt(platform::MessageBoxes& boxes);

}  // namespace printjob

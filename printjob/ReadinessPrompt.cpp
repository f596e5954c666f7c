// SPDX-License-Identifier: Apache-2.0
#include "printjob/ReadinessPrompt.h"

#include "printjob/Messages.h"

namespace printjob {

bool readinessPrompt(platform::MessageBoxes& boxes) {
  return messages::show(boxes, messages::readinessPrompt()) == platform::Answer::Ok;
}

}  // namespace printjob

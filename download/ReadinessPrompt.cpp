#include "download/ReadinessPrompt.h"

#include "download/Messages.h"

namespace mdlFlagSettings {

bool readinessPrompt(platform::MessageBoxes& boxes) {
  return messages::show(boxes, messages::readinessPrompt()) == platform::Answer::Ok;
}

}  // namespace mdlFlagSettings

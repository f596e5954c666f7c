// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "platform/MessageBoxes.h"

namespace messages {

// One message box: its text (lines joined by CR LF), title and style.
struct Message {
  std::string text;
  std::string title;
  int style;
};

extern const char* const kTitle;
extern const char* const kApplicationTitle;

const Message& readinessPrompt();
const Message& openFailed();
const Message& printerBusy();
const Message& noPrinter();
const Message& quitPrompt();
// A document the spooler did not accept: what was lost, then the spooler's own reason.
Message settingsNotAccepted(const std::string& reason);
Message pageNotAccepted(const std::string& reason);

// Shows a message as a modal box and returns the button chosen.
platform::Answer show(platform::MessageBoxes& boxes, const Message& message);

}  // namespace messages

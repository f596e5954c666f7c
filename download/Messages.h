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

// Shows a message as a modal box and returns the button chosen.
platform::Answer show(platform::MessageBoxes& boxes, const Message& message);

}  // namespace messages

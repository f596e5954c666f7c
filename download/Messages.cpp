#include "download/Messages.h"

namespace messages {

const char* const kTitle = "Printer Configuration Utility";
const char* const kApplicationTitle = "Zel MRL 770";

using platform::joinLines;

const Message& readinessPrompt() {
  static const Message message{
      joinLines({"Please check whether the printer is :", "* Switched ON", "* In online mode",
                 "* In Parallel or Autoshare interface", "",
                 "To continue press OK else press Cancel to quit."}),
      kTitle, platform::kOkCancelInformation};
  return message;
}

const Message& openFailed() {
  static const Message message{joinLines({"OpenPrinter Failed!!!", "Unable to access printer"}),
                               kTitle, platform::kOkStop};
  return message;
}

const Message& printerBusy() {
  static const Message message{
      joinLines({"Unable to download printer settings.", "",
                 "Printer is busy with processing print jobs, please try once printer is free."}),
      kTitle, platform::kOkStop};
  return message;
}

const Message& noPrinter() {
  static const Message message{
      joinLines({"No printer drivers are installed.", "Download Failed!!"}), kApplicationTitle,
      platform::kOkStop};
  return message;
}

const Message& quitPrompt() {
  static const Message message{"Are you sure to quit from this application?", kTitle,
                               platform::kYesNoQuestion};
  return message;
}

platform::Answer show(platform::MessageBoxes& boxes, const Message& message) {
  return boxes.show(message.text, message.title, message.style);
}

}  // namespace messages

// SPDX-License-Identifier: Apache-2.0
#include "printjob/Messages.h"

namespace messages {

const char* const kTitle = "Printer Configuration Utility";
const char* const kApplicationTitle = "Zel MRL 770";

using platform::joinLines;

namespace {

const char* const kSettingsNotDownloaded = "Unable to download printer settings.";
const char* const kPageNotPrinted = "Unable to print the features page.";

Message notAccepted(const char* whatWasLost, const std::string& reason) {
  return {joinLines({whatWasLost, "", "The print spooler did not accept the job: "}) + reason,
          kTitle, platform::kOkStop};
}

}  // namespace

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
      joinLines({kSettingsNotDownloaded, "",
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

Message settingsNotAccepted(const std::string& reason) {
  return notAccepted(kSettingsNotDownloaded, reason);
}

Message pageNotAccepted(const std::string& reason) {
  return notAccepted(kPageNotPrinted, reason);
}

platform::Answer show(platform::MessageBoxes& boxes, const Message& message) {
  return boxes.show(message.text, message.title, message.style);
}

}  // namespace messages

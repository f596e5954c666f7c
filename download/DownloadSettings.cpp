// SPDX-License-Identifier: Apache-2.0
#include "download/DownloadSettings.h"

#include "platform/MouseButton.h"
#include "printjob/Messages.h"
#include "printjob/RawPrintJob.h"
#include "printjob/ReadinessPrompt.h"

namespace mdlFlagSettings {

const char* const kSettingsDocumentName = "Permanent Settings Configuration";

namespace {

// The window must look usable again while the user reads why nothing was downloaded.
void showOverUsableWindow(platform::Platform& platform, DownloadWindow& window,
                          const messages::Message& message) {
  window.setApplySettingsEnabled(true);
  window.hideWaitNotice();
  window.setBackgroundEnabled(true);
  window.repaintNow();
  messages::show(platform.messageBoxes, message);
}

}  // namespace

printjob::PrintResult DownloadSettings(const FlagWords& words, platform::Platform& platform,
                                       DownloadWindow& window) {
  const printjob::PrintResult result = printjob::RawPrintJob(
      platform, kSettingsDocumentName, {settingsCommand(words)}, printjob::BusyCheck::Required);
  switch (result.outcome) {
    case printjob::PrintOutcome::Busy:
      showOverUsableWindow(platform, window, messages::printerBusy());
      break;
    case printjob::PrintOutcome::NotAccepted:
      showOverUsableWindow(platform, window, messages::settingsNotAccepted(result.reason));
      break;
    case printjob::PrintOutcome::Sent:
      // Gives the printer time to store the settings before anything else is sent.
      platform.sleeper.sleepMs(kPauseAfterSettingsMs);
      break;
    case printjob::PrintOutcome::NoPrinter:
    case printjob::PrintOutcome::OpenFailed:
    case printjob::PrintOutcome::Failed:
      break;
  }
  return result;
}

void applySettings(int button, platform::Platform& platform, DownloadWindow& window) {
  if (button != platform::kLeftButton) return;
  if (!printjob::readinessPrompt(platform.messageBoxes)) return;

  window.showWaitNotice();
  window.repaintNow();
  window.setApplySettingsEnabled(false);
  window.setBackgroundEnabled(false);

  DownloadSettings(fncGetFlagWords(window.selectionBoxes().selections()), platform, window);

  window.hideWaitNotice();
  window.setApplySettingsEnabled(true);
  window.setBackgroundEnabled(true);
}

void restoreDefault(int button, platform::Platform& platform, DownloadWindow& window) {
  if (button != platform::kLeftButton) return;
  if (!printjob::readinessPrompt(platform.messageBoxes)) return;

  window.selectionBoxes().IntializeSelectionBoxes();
  DownloadSettings(fncGetFlagWords(window.selectionBoxes().selections()), platform, window);
}

}  // namespace mdlFlagSettings

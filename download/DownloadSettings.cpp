#include "download/DownloadSettings.h"

#include "download/Messages.h"
#include "download/RawPrintJob.h"
#include "download/ReadinessPrompt.h"
#include "platform/MouseButton.h"

namespace mdlFlagSettings {

const char* const kSettingsDocumentName = "Permanent Settings Configuration";

void DownloadSettings(const FlagWords& words, platform::Platform& platform,
                      DownloadWindow& window) {
  switch (
      RawPrintJob(platform, kSettingsDocumentName, {settingsCommand(words)}, BusyCheck::Required)) {
    case PrintOutcome::Busy:
      // The window must look usable again while the user reads the message.
      window.setApplySettingsEnabled(true);
      window.hideWaitNotice();
      window.setBackgroundEnabled(true);
      window.repaintNow();
      messages::show(platform.messageBoxes, messages::printerBusy());
      return;
    case PrintOutcome::Sent:
      // Gives the printer time to store the settings before anything else is sent.
      platform.sleeper.sleepMs(kPauseAfterSettingsMs);
      return;
    case PrintOutcome::Failed:
      return;
  }
}

void applySettings(int button, platform::Platform& platform, DownloadWindow& window) {
  if (button != platform::kLeftButton) return;
  if (!readinessPrompt(platform.messageBoxes)) return;

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
  if (!readinessPrompt(platform.messageBoxes)) return;

  window.selectionBoxes().IntializeSelectionBoxes();
  DownloadSettings(fncGetFlagWords(window.selectionBoxes().selections()), platform, window);
}

}  // namespace mdlFlagSettings

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "download/DownloadWindow.h"
#include "download/mdlFlagSettings.h"
#include "platform/Platform.h"
#include "printjob/RawPrintJob.h"

namespace mdlFlagSettings {

extern const char* const kSettingsDocumentName;
constexpr int kPauseAfterSettingsMs = 2500;

// Sends the settings command for the block and reports every outcome to the user; returns what
// became of the job.
printjob::PrintResult DownloadSettings(const FlagWords& words, platform::Platform& platform,
                                       DownloadWindow& window);

// The Apply Settings and Restore Default actions, run on a mouse-button release over their
// buttons; only the left button acts.
void applySettings(int button, platform::Platform& platform, DownloadWindow& window);
void restoreDefault(int button, platform::Platform& platform, DownloadWindow& window);

}  // namespace mdlFlagSettings

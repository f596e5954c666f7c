// SPDX-License-Identifier: Apache-2.0
#include "printer-app/RawJob.h"

#include <chrono>
#include <string>
#include <thread>

#include "cli/Decode.h"
#include "cli/Failure.h"
#include "download/DownloadSettings.h"
#include "download/mdlFlagSettings.h"
#include "printer-app/Driver.h"
#include "printer-app/JobBytes.h"

namespace printerapp {

namespace {

// A settings command that the window could have sent is taken as applied to the printer, so
// that the test page follows its emulation; the command line's decoder reads it.
void recordSettings(pappl_job_t* job, const std::string& command) {
  pappl_printer_t* printer = papplJobGetPrinter(job);
  try {
    const settings::Selections selections = cli::decodeSettings(command).boxes().selections();
    if (!appliedSettings(printer).record(papplPrinterGetID(printer), selections)) {
      papplLogJob(job, PAPPL_LOGLEVEL_WARN, "Unable to keep the settings beyond this run.");
    }
  } catch (const cli::Failure& failure) {
    papplLogJob(job, PAPPL_LOGLEVEL_INFO, "Settings not recorded: %s", failure.what());
  }
}

}  // namespace

bool printRawJob(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t* device) {
  const auto document = jobDocument(job);
  if (!document || !sendToDevice(job, device, *document)) return false;
  papplDeviceFlush(device);
  const platform::ByteString& bytes = *document;
  if (mdlFlagSettings::isSettingsCommand(bytes)) {
    recordSettings(job, bytes);
    papplLogJob(job, PAPPL_LOGLEVEL_INFO, "Settings sent; giving the printer %d ms to store them.",
                mdlFlagSettings::kPauseAfterSettingsMs);
    std::this_thread::sleep_for(std::chrono::milliseconds(mdlFlagSettings::kPauseAfterSettingsMs));
  }
  return true;
}

}  // namespace printerapp

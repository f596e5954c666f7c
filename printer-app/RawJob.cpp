// SPDX-License-Identifier: Apache-2.0
#include "printer-app/RawJob.h"

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "download/DownloadSettings.h"
#include "download/mdlFlagSettings.h"

namespace printerapp {

bool printRawJob(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t* device) {
  std::ifstream in(papplJobGetFilename(job), std::ios::binary);
  std::ostringstream contents;
  if (!in.is_open() || !(contents << in.rdbuf())) {
    papplLogJob(job, PAPPL_LOGLEVEL_ERROR, "Unable to read the job's document.");
    return false;
  }
  const std::string bytes = contents.str();
  if (papplDeviceWrite(device, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
    papplLogJob(job, PAPPL_LOGLEVEL_ERROR, "Unable to send the job to the printer.");
    return false;
  }
  papplDeviceFlush(device);

  if (mdlFlagSettings::isSettingsCommand(bytes)) {
    papplLogJob(job, PAPPL_LOGLEVEL_INFO, "Settings sent; giving the printer %d ms to store them.",
                mdlFlagSettings::kPauseAfterSettingsMs);
    std::this_thread::sleep_for(std::chrono::milliseconds(mdlFlagSettings::kPauseAfterSettingsMs));
  }
  return true;
}

}  // namespace printerapp

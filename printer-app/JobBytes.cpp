// SPDX-License-Identifier: Apache-2.0
#include "printer-app/JobBytes.h"

#include <fstream>
#include <sstream>

namespace printerapp {

std::optional<platform::ByteString> jobDocument(pappl_job_t* job) {
  std::ifstream in(papplJobGetFilename(job), std::ios::binary);
  std::ostringstream contents;
  if (!in.is_open() || !(contents << in.rdbuf())) {
    papplLogJob(job, PAPPL_LOGLEVEL_ERROR, "Unable to read the job's document.");
    return std::nullopt;
  }
  return contents.str();
}

bool sendToDevice(pappl_job_t* job, pappl_device_t* device, const platform::ByteString& bytes) {
  if (bytes.empty()) return true;
  if (papplDeviceWrite(device, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size())) {
    return true;
  }
  papplLogJob(job, PAPPL_LOGLEVEL_ERROR, "Unable to send the job to the printer.");
  return false;
}

}  // namespace printerapp

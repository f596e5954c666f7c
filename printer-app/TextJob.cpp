// SPDX-License-Identifier: Apache-2.0
#include "printer-app/TextJob.h"

#include <fstream>
#include <sstream>

#include "printer-app/PlainText.h"

namespace printerapp {

bool printTextJob(pappl_job_t* job, pappl_device_t* device, void*) {
  std::ifstream in(papplJobGetFilename(job), std::ios::binary);
  std::ostringstream text;
  if (!in.is_open() || !(text << in.rdbuf())) {
    papplLogJob(job, PAPPL_LOGLEVEL_ERROR, "Unable to read the job's text.");
    return false;
  }
  const platform::ByteString bytes = plainText(text.str());
  if (papplDeviceWrite(device, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
    papplLogJob(job, PAPPL_LOGLEVEL_ERROR, "Unable to send the text to the printer.");
    return false;
  }
  papplDeviceFlush(device);
  return true;
}

}  // namespace printerapp

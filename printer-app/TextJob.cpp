// SPDX-License-Identifier: Apache-2.0
#include "printer-app/TextJob.h"

#include "printer-app/JobBytes.h"
#include "printer-app/PlainText.h"

namespace printerapp {

bool printTextJob(pappl_job_t* job, pappl_device_t* device, void*) {
  const auto text = jobDocument(job);
  if (!text || !sendToDevice(job, device, plainText(*text))) return false;
  papplDeviceFlush(device);
  return true;
}

}  // namespace printerapp

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <pappl/pappl.h>

namespace printerapp {

// PAPPL's filter from text/plain to the printer's own language: the text in the printer's own
// fonts (PlainText.h), written to the device.
bool printTextJob(pappl_job_t* job, pappl_device_t* device, void* data);

}  // namespace printerapp

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <pappl/pappl.h>

namespace printerapp {

// PAPPL's printfile callback: writes a job in the printer's own language to the device byte for
// byte. After a settings command it keeps the device for the time the printer takes to store
// the settings, so that the next job cannot reach the printer before then, and records the
// settings as applied to the printer.
bool printRawJob(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t* device);

}  // namespace printerapp

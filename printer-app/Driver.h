// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <pappl/pappl.h>

#include "printer-app/AppliedSettings.h"

namespace printerapp {

// The printer's own language: what a raw job holds, passed to the printer byte for byte.
constexpr const char* kNativeFormat = "application/vnd.zel-mrl770";

constexpr int kDriverCount = 1;
// The one driver, "mrl770" ("Zel MRL 770").
pappl_pr_driver_t* drivers();

// papplMainloop's driver callback: fills PAPPL's driver data for the MRL 770. DATA is the
// Application.
bool fillDriverData(pappl_system_t* system, const char* driverName, const char* deviceUri,
                    const char* deviceId, pappl_pr_driver_data_t* driverData,
                    ipp_t** driverAttributes, void* data);

// papplMainloop's auto-add callback: the driver for a device whose IEEE 1284 ID names the
// printer, so that `autoadd` and the web page's device list find it on USB.
const char* autoAddDriver(const char* deviceInfo, const char* deviceUri, const char* deviceId,
                          void* data);

// The settings last applied to the printers, as the driver hands them to its callbacks.
AppliedSettings& appliedSettings(pappl_printer_t* printer);

}  // namespace printerapp

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <pappl/pappl.h>

namespace printerapp {

// Sets the raster callbacks, types and resolutions of the driver: PAPPL turns PWG and Apple
// raster, PNG and JPEG into lines of pixels and hands them to these.
void setRasterCallbacks(pappl_pr_driver_data_t& data);

}  // namespace printerapp

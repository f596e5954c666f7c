// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <pappl/pappl.h>

namespace printerapp {

// Sets the raster callbacks, types and resolutions of the driver: PAPPL turns PWG and Apple
// raster, PNG and JPEG into 1-bit lines, dithered where they were not, at the draft or the fine
// grid of the head, and these print them as bit-image graphics in the emulation last applied.
void setRasterCallbacks(pappl_pr_driver_data_t& data);

}  // namespace printerapp

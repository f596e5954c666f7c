// SPDX-License-Identifier: Apache-2.0
#include "printer-app/Raster.h"

namespace printerapp {

namespace {

// Until the bit-image encoder is wired in, a raster job ends with a message instead of garbage.
bool refuseJob(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t*) {
  papplLogJob(job, PAPPL_LOGLEVEL_ERROR, "This printer takes raw jobs only for now.");
  return false;
}

bool refusePage(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t* device, unsigned) {
  return refuseJob(job, options, device);
}

bool refuseLine(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t* device, unsigned,
                const unsigned char*) {
  return refuseJob(job, options, device);
}

}  // namespace

void setRasterCallbacks(pappl_pr_driver_data_t& data) {
  data.rstartjob_cb = refuseJob;
  data.rstartpage_cb = refusePage;
  data.rwriteline_cb = refuseLine;
  data.rendpage_cb = refusePage;
  data.rendjob_cb = refuseJob;
  data.raster_types = PAPPL_PWG_RASTER_TYPE_BLACK_1;
  data.num_resolution = 1;
  data.x_resolution[0] = data.x_default = 60;
  data.y_resolution[0] = data.y_default = 72;
}

}  // namespace printerapp

// SPDX-License-Identifier: Apache-2.0
#include "printer-app/Raster.h"

#include <optional>
#include <vector>

#include "printer-app/BitImage.h"
#include "printer-app/Driver.h"
#include "printer-app/JobBytes.h"

namespace printerapp {

namespace {

// What a raster job keeps between PAPPL's calls, as the job's data.
struct RasterJob {
  settings::Emulation emulation;
  std::optional<BitImagePage> page;
  // A gray page's line as dots.
  std::vector<unsigned char> dots;
};

RasterJob& rasterJob(pappl_job_t* job) {
  return *static_cast<RasterJob*>(papplJobGetData(job));
}

bool startJob(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t*) {
  pappl_printer_t* printer = papplJobGetPrinter(job);
  const settings::Selection emulation =
      appliedSettings(printer).appliedEmulation(papplPrinterGetID(printer));
  papplJobSetData(job, new RasterJob{settings::emulationOf(emulation), std::nullopt, {}});
  return true;
}

// The page at the resolution it was sent in: BitImagePage maps it onto the head's grid, so that
// a page of any resolution prints at its size.
bool startPage(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t*, unsigned) {
  const cups_page_header2_t& header = options->header;
  if (header.cupsBitsPerPixel != 1 && header.cupsBitsPerPixel != 8) {
    papplLogJob(job, PAPPL_LOGLEVEL_ERROR, "Unsupported raster of %u bits a pixel.",
                header.cupsBitsPerPixel);
    return false;
  }
  const Resolution raster{static_cast<int>(header.HWResolution[0]),
                          static_cast<int>(header.HWResolution[1])};
  RasterJob& state = rasterJob(job);
  state.page.emplace(state.emulation, raster, header.cupsWidth);
  state.dots.resize((header.cupsWidth + 7) / 8);
  return true;
}

bool writeLine(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t* device, unsigned y,
               const unsigned char* line) {
  RasterJob& state = rasterJob(job);
  if (options->header.cupsBitsPerPixel == 8) {
    ditherLine(line, options->header.cupsWidth, y, options->dither, state.dots.data());
    line = state.dots.data();
  }
  return sendToDevice(job, device, state.page->addLine(line));
}

bool endPage(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t* device, unsigned) {
  RasterJob& state = rasterJob(job);
  const bool sent = sendToDevice(job, device, state.page->finish());
  state.page.reset();
  papplDeviceFlush(device);
  return sent;
}

bool endJob(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t*) {
  delete &rasterJob(job);
  papplJobSetData(job, nullptr);
  return true;
}

}  // namespace

void setRasterCallbacks(pappl_pr_driver_data_t& data) {
  data.rstartjob_cb = startJob;
  data.rstartpage_cb = startPage;
  data.rwriteline_cb = writeLine;
  data.rendpage_cb = endPage;
  data.rendjob_cb = endJob;
  // Gray raster is dithered here, not by PAPPL: told to give only 1-bit lines, PAPPL 1.3 makes
  // its own page at the resolution of the print quality and copies a client's raster into it
  // unscaled, so a page sent at another resolution would print at another size.
  data.raster_types = PAPPL_PWG_RASTER_TYPE_BLACK_1 | PAPPL_PWG_RASTER_TYPE_SGRAY_8;
  // Draft quality prints on the draft grid, normal and high on the fine one.
  data.num_resolution = 2;
  data.x_resolution[0] = kDraftGrid.x;
  data.y_resolution[0] = kDraftGrid.y;
  data.x_resolution[1] = data.x_default = kFineGrid.x;
  data.y_resolution[1] = data.y_default = kFineGrid.y;
}

}  // namespace printerapp

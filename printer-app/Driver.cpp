// SPDX-License-Identifier: Apache-2.0
#include "printer-app/Driver.h"

#include <cstring>

#include "printer-app/Application.h"
#include "printer-app/Raster.h"
#include "printer-app/RawJob.h"
#include "printer-app/SettingsPage.h"
#include "printer-app/TestPage.h"

namespace printerapp {

namespace {

constexpr const char* kMakeAndModel = "Zel MRL 770";

// Cut sheets through the friction feed and the common fanfold sizes on the tractor.
const char* const kMedia[] = {
    "na_letter_8.5x11in",
    "iso_a4_210x297mm",
    "na_legal_8.5x14in",
};

// Forgets what was applied to a printer that is deleted, and its settings page.
void forgetPrinter(pappl_printer_t* printer, pappl_pr_driver_data_t* data) {
  removeSettingsPage(printer);
  static_cast<AppliedSettings*>(data->extension)->forget(papplPrinterGetID(printer));
}

}  // namespace

pappl_pr_driver_t* drivers() {
  static pappl_pr_driver_t list[kDriverCount] = {
      {"mrl770", kMakeAndModel, nullptr, nullptr},
  };
  return list;
}

bool fillDriverData(pappl_system_t*, const char* driverName, const char*, const char*,
                    pappl_pr_driver_data_t* d, ipp_t**, void* data) {
  if (std::strcmp(driverName, drivers()[0].name) != 0) return false;
  Application& application = *static_cast<Application*>(data);

  d->extension = &*application.applied;
  d->delete_cb = forgetPrinter;
  d->printfile_cb = printRawJob;
  d->testpage_cb = writeTestPage;
  setRasterCallbacks(*d);

  d->format = kNativeFormat;
  std::strncpy(d->make_and_model, kMakeAndModel, sizeof(d->make_and_model) - 1);
  d->ppm = 1;
  d->kind = PAPPL_KIND_DOCUMENT;
  d->color_supported = PAPPL_COLOR_MODE_MONOCHROME;
  d->color_default = PAPPL_COLOR_MODE_MONOCHROME;
  d->content_default = PAPPL_CONTENT_AUTO;
  d->quality_default = IPP_QUALITY_NORMAL;
  d->scaling_default = PAPPL_SCALING_AUTO;
  d->orient_default = IPP_ORIENT_NONE;
  d->sides_supported = PAPPL_SIDES_ONE_SIDED;
  d->sides_default = PAPPL_SIDES_ONE_SIDED;

  // A quarter inch left and right, half an inch at the top and bottom: the pins do not reach the
  // edges of the sheet, and the platen holds its ends.
  d->left_right = 635;
  d->bottom_top = 1270;
  d->num_media = static_cast<int>(sizeof(kMedia) / sizeof(kMedia[0]));
  for (int i = 0; i < d->num_media; ++i) d->media[i] = kMedia[i];
  d->num_source = 1;
  d->source[0] = "main";
  d->num_type = 1;
  d->type[0] = "stationery";
  pwg_media_t* letter = pwgMediaForPWG(kMedia[0]);
  d->media_default.size_width = letter->width;
  d->media_default.size_length = letter->length;
  d->media_default.left_margin = d->media_default.right_margin = d->left_right;
  d->media_default.bottom_margin = d->media_default.top_margin = d->bottom_top;
  std::strncpy(d->media_default.size_name, kMedia[0], sizeof(d->media_default.size_name) - 1);
  std::strncpy(d->media_default.source, d->source[0], sizeof(d->media_default.source) - 1);
  std::strncpy(d->media_default.type, d->type[0], sizeof(d->media_default.type) - 1);
  d->media_ready[0] = d->media_default;
  return true;
}

AppliedSettings& appliedSettings(pappl_printer_t* printer) {
  pappl_pr_driver_data_t data;
  papplPrinterGetDriverData(printer, &data);
  return *static_cast<AppliedSettings*>(data.extension);
}

}  // namespace printerapp

// SPDX-License-Identifier: Apache-2.0
#include "printer-app/Driver.h"

#include <cstring>

#include "printer-app/Application.h"
#include "printer-app/DeviceId.h"
#include "printer-app/Raster.h"
#include "printer-app/RawJob.h"
#include "printer-app/TestPage.h"

namespace printerapp {

namespace {

constexpr const char* kMakeAndModel = "Zel MRL 770";
// PAPPL's level of a supply whose level the printer cannot tell.
constexpr int kUnknownLevel = -1;

// The common sizes, as cut sheets through the friction feed or fanfold forms on the tractor.
const char* const kMedia[] = {
    "na_letter_8.5x11in",
    "iso_a4_210x297mm",
    "na_legal_8.5x14in",
};

// The printer beeps on BEL (07h) in either emulation.
void beep(pappl_printer_t* printer, pappl_identify_actions_t, const char*) {
  pappl_device_t* device = papplPrinterOpenDevice(printer);
  if (device == nullptr) return;  // busy with a job, which shows where it is well enough
  papplDeviceWrite(device, "\a", 1);
  papplDeviceFlush(device);
  papplPrinterCloseDevice(printer);
}

// The ribbon is the one supply; the printer does not say how much is left, so it is reported
// once, when PAPPL first asks (as it loads the printer).
bool reportRibbon(pappl_printer_t* printer) {
  pappl_supply_t ribbon{};
  if (papplPrinterGetSupplies(printer, 1, &ribbon) > 0) return true;
  ribbon.color = PAPPL_SUPPLY_COLOR_BLACK;
  std::strncpy(ribbon.description, "Ribbon", sizeof(ribbon.description) - 1);
  ribbon.is_consumed = true;
  ribbon.level = kUnknownLevel;
  ribbon.type = PAPPL_SUPPLY_TYPE_INK_RIBBON;
  papplPrinterSetSupplies(printer, 1, &ribbon);
  return true;
}

// What IPP Everywhere asks of every printer and PAPPL leaves to the driver: no preferred
// attributes, colour as it comes, and the back of a sheet (which this printer never prints) as
// the front.
ipp_t* everywhereAttributes() {
  ipp_t* attributes = ippNew();
  ippAddBoolean(attributes, IPP_TAG_PRINTER, "preferred-attributes-supported", 0);
  ippAddString(attributes, IPP_TAG_PRINTER, IPP_TAG_KEYWORD, "print-rendering-intent-default",
               nullptr, "auto");
  ippAddString(attributes, IPP_TAG_PRINTER, IPP_TAG_KEYWORD, "print-rendering-intent-supported",
               nullptr, "auto");
  ippAddString(attributes, IPP_TAG_PRINTER, IPP_TAG_KEYWORD, "pwg-raster-document-sheet-back",
               nullptr, "normal");
  return attributes;
}

}  // namespace

pappl_pr_driver_t* drivers() {
  static pappl_pr_driver_t list[kDriverCount] = {
      {"mrl770", kMakeAndModel, nullptr, nullptr},
  };
  return list;
}

bool fillDriverData(pappl_system_t*, const char* driverName, const char*, const char*,
                    pappl_pr_driver_data_t* d, ipp_t** driverAttributes, void* data) {
  if (std::strcmp(driverName, drivers()[0].name) != 0) return false;
  Application& application = *static_cast<Application*>(data);

  d->extension = &*application.applied;
  d->identify_cb = beep;
  d->status_cb = reportRibbon;
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
  d->orient_default = IPP_ORIENT_PORTRAIT;
  d->identify_supported = d->identify_default = PAPPL_IDENTIFY_ACTIONS_SOUND;
  d->has_supplies = true;
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
  *driverAttributes = everywhereAttributes();
  return true;
}

const char* autoAddDriver(const char*, const char*, const char* deviceId, void*) {
  return deviceId != nullptr && isMrl770(deviceId) ? drivers()[0].name : nullptr;
}

AppliedSettings& appliedSettings(pappl_printer_t* printer) {
  pappl_pr_driver_data_t data;
  papplPrinterGetDriverData(printer, &data);
  return *static_cast<AppliedSettings*>(data.extension);
}

}  // namespace printerapp

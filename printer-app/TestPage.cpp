// SPDX-License-Identifier: Apache-2.0
#include "printer-app/TestPage.h"

#include "features/PrintFeatures.h"
#include "printer-app/Driver.h"
#include "printer-app/JobBytes.h"

namespace printerapp {

const char* writeTestPage(pappl_printer_t* printer, char* buffer, std::size_t size) {
  const settings::Selection emulation =
      appliedSettings(printer).appliedEmulation(papplPrinterGetID(printer));
  const features::FeaturesPage page = features::pageForEmulation(emulation).page();

  return spoolFile(printer, "testpage", page.title + page.body, buffer, size) ? buffer : nullptr;
}

}  // namespace printerapp

// SPDX-License-Identifier: Apache-2.0
// mrl770-printer-app: serves the Zel MRL 770 as an IPP Everywhere printer. PAPPL runs the
// server, the web pages, the devices and the jobs; this program adds the printer's driver.
#include <pappl/pappl.h>

#include "printer-app/Application.h"
#include "printer-app/Driver.h"
#include "printer-app/System.h"

int main(int argc, char* argv[]) {
  printerapp::Application application;
  // PAPPL 1.3 needs a footer: its web pages look one up even when there is none.
  static const char kFooter[] = "Zel MRL 770 Printer Application " MRL770_VERSION;
  return papplMainloop(argc, argv, MRL770_VERSION, kFooter, printerapp::kDriverCount,
                       printerapp::drivers(), printerapp::autoAddDriver, printerapp::fillDriverData,
                       nullptr, nullptr, printerapp::createSystem, nullptr, &application);
}

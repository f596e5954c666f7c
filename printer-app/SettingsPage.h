// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <pappl/pappl.h>

namespace printerapp {

// Adds the page of the printer's 21 permanent settings and its link on the printer's page.
// papplSystemSetPrinterDrivers' create callback, so every printer has it, also those the state
// file brings back.
void addSettingsPage(pappl_printer_t* printer, void* data);

// Takes the page away with its printer.
void removeSettingsPage(pappl_printer_t* printer);

}  // namespace printerapp

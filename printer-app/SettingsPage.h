// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <pappl/pappl.h>

namespace printerapp {

// Adds the page of the printer's 21 permanent settings and its link on the printer's page.
// papplSystemSetPrinterDrivers' create callback, so every printer has it, also those the state
// file brings back. PAPPL takes the page away with its printer, whose page it is (its callback
// data), and no driver callback may: PAPPL deletes a printer holding the lock that removing a
// page takes.
void addSettingsPage(pappl_printer_t* printer, void* data);

}  // namespace printerapp

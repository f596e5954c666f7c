// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>

#include <pappl/pappl.h>

namespace printerapp {

// PAPPL's test page callback ("Print Test Page"): the features page, in the emulation last
// applied to the printer from this application, as a file in the spool folder that the job
// removes once printed.
const char* writeTestPage(pappl_printer_t* printer, char* buffer, std::size_t size);

}  // namespace printerapp

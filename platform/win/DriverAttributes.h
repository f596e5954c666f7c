// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <windows.h>
#include <winspool.h>

// Bits of DRIVER_INFO_8's dwPrinterDriverAttributes, which mingw-w64's winspool.h declares without
// them.
#ifndef PRINTER_DRIVER_PACKAGE_AWARE
#define PRINTER_DRIVER_PACKAGE_AWARE 0x00000001
#endif
// An XPS (v4) driver.
#ifndef PRINTER_DRIVER_XPS
#define PRINTER_DRIVER_XPS 0x00000002
#endif

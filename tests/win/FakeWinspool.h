// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win/DriverAttributes.h"

// The spooler's calls, faked: linked in place of winspool, they record each call in order
// ("GetDefaultPrinterA", "EnumPrintersA FLAGS LEVEL[ size]", "OpenPrinterA NAME", "EnumJobsA size",
// "EnumJobsA", "GetPrinterDriverA LEVEL[ size]", "StartDocPrinterA NAME DATATYPE",
// "StartPagePrinter", "WritePrinter N", "EndPagePrinter", "EndDocPrinter", "AbortPrinter",
// "ClosePrinter") and answer as the script says.
struct FakeWinspool {
  // The error of the default printer's size query; ERROR_INSUFFICIENT_BUFFER finds "Zel".
  DWORD defaultPrinterError = ERROR_INSUFFICIENT_BUFFER;
  DWORD printersInstalled = 1;
  bool openFails = false;
  // Jobs in the queue, and jobs that arrive after the first call to EnumJobsA.
  DWORD jobs = 0;
  DWORD jobsArriving = 0;
  bool enumJobsFails = false;
  // A GDI driver's.
  DWORD driverAttributes = PRINTER_DRIVER_PACKAGE_AWARE;
  bool startDocFails = false;
  // Bytes the spooler leaves untaken from each write.
  DWORD writeShortBy = 0;
  bool endDocFails = false;
  // The error of each call the script fails.
  DWORD error = ERROR_INVALID_HANDLE;

  std::vector<std::string> calls;
  int handlesOpen = 0;
};

// The script and record of the calls; each test starts it afresh.
FakeWinspool& fakeWinspool();

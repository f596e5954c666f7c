// SPDX-License-Identifier: Apache-2.0
#include "FakeWinspool.h"

#include <winspool.h>

#include <cstring>

namespace {

HANDLE const kHandle = reinterpret_cast<HANDLE>(0x770);
constexpr DWORD kJobRecordSize = sizeof(JOB_INFO_2A);

WINBOOL record(const std::string& call, bool fails = false, DWORD error = 0) {
  fakeWinspool().calls.push_back(call);
  if (!fails) return TRUE;
  SetLastError(error != 0 ? error : fakeWinspool().error);
  return FALSE;
}

}  // namespace

FakeWinspool& fakeWinspool() {
  static FakeWinspool fake;
  return fake;
}

extern "C" {

WINBOOL WINAPI GetDefaultPrinterA(LPSTR buffer, LPDWORD size) {
  static const char kName[] = "Zel";
  if (buffer == nullptr) {
    *size = sizeof kName;
    return record("GetDefaultPrinterA", true, fakeWinspool().defaultPrinterError);
  }
  std::memcpy(buffer, kName, sizeof kName);
  return record("GetDefaultPrinterA");
}

WINBOOL WINAPI EnumPrintersA(DWORD flags, LPSTR, DWORD level, LPBYTE printers, DWORD size,
                             LPDWORD needed, LPDWORD returned) {
  const std::string call = "EnumPrintersA " + std::to_string(flags) + " " + std::to_string(level) +
                           (printers == nullptr ? " size" : "");
  const DWORD installed = fakeWinspool().printersInstalled;
  *needed = sizeof(PRINTER_INFO_4A) * installed;
  if (size < *needed) return record(call, true, ERROR_INSUFFICIENT_BUFFER);
  *returned = installed;
  return record(call);
}

WINBOOL WINAPI OpenPrinterA(LPSTR name, LPHANDLE handle, LPPRINTER_DEFAULTSA) {
  if (fakeWinspool().openFails) return record(std::string("OpenPrinterA ") + name, true);
  *handle = kHandle;
  ++fakeWinspool().handlesOpen;
  return record(std::string("OpenPrinterA ") + name);
}

WINBOOL WINAPI EnumJobsA(HANDLE, DWORD, DWORD, DWORD, LPBYTE records, DWORD size, LPDWORD needed,
                         LPDWORD returned) {
  FakeWinspool& fake = fakeWinspool();
  const std::string call = records == nullptr ? "EnumJobsA size" : "EnumJobsA";
  if (fake.enumJobsFails) return record(call, true);
  const DWORD queued = fake.jobs;
  fake.jobs += fake.jobsArriving;
  fake.jobsArriving = 0;
  *needed = kJobRecordSize * queued;
  // As the spooler's, the query of an empty queue succeeds without a buffer.
  if (size < *needed) return record(call, true, ERROR_INSUFFICIENT_BUFFER);
  *returned = queued;
  return record(call);
}

WINBOOL WINAPI GetPrinterDriverA(HANDLE, LPSTR, DWORD level, LPBYTE info, DWORD size,
                                 LPDWORD needed) {
  const std::string call =
      "GetPrinterDriverA " + std::to_string(level) + (info == nullptr ? " size" : "");
  DRIVER_INFO_8A driver{};
  driver.dwPrinterDriverAttributes = fakeWinspool().driverAttributes;
  *needed = sizeof driver;
  if (size < *needed) return record(call, true, ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(info, &driver, sizeof driver);
  return record(call);
}

DWORD WINAPI StartDocPrinterA(HANDLE, DWORD level, LPBYTE info) {
  const auto* document = reinterpret_cast<DOC_INFO_1A*>(info);
  const std::string call = "StartDocPrinterA " + std::string(document->pDocName) + " " +
                           (document->pDatatype ? document->pDatatype : "(default)") +
                           (level == 1 && document->pOutputFile == nullptr ? "" : " ?");
  return record(call, fakeWinspool().startDocFails) ? 7 : 0;
}

WINBOOL WINAPI StartPagePrinter(HANDLE) {
  return record("StartPagePrinter");
}

WINBOOL WINAPI WritePrinter(HANDLE, LPVOID, DWORD size, LPDWORD written) {
  *written = size - fakeWinspool().writeShortBy;
  return record("WritePrinter " + std::to_string(size));
}

WINBOOL WINAPI EndPagePrinter(HANDLE) {
  return record("EndPagePrinter");
}

WINBOOL WINAPI EndDocPrinter(HANDLE) {
  return record("EndDocPrinter", fakeWinspool().endDocFails);
}

WINBOOL WINAPI AbortPrinter(HANDLE) {
  return record("AbortPrinter");
}

WINBOOL WINAPI ClosePrinter(HANDLE) {
  --fakeWinspool().handlesOpen;
  return record("ClosePrinter");
}

}  // extern "C"

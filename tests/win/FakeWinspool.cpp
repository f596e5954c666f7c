#include "FakeWinspool.h"

#include <winspool.h>

#include <cstring>

namespace {

HANDLE const kHandle = reinterpret_cast<HANDLE>(0x770);

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

WINBOOL WINAPI OpenPrinterA(LPSTR name, LPHANDLE handle, LPPRINTER_DEFAULTSA) {
  if (fakeWinspool().openFails) return record(std::string("OpenPrinterA ") + name, true);
  *handle = kHandle;
  ++fakeWinspool().handlesOpen;
  return record(std::string("OpenPrinterA ") + name);
}

WINBOOL WINAPI EnumJobsA(HANDLE, DWORD, DWORD, DWORD, LPBYTE records, DWORD, LPDWORD needed,
                         LPDWORD returned) {
  const FakeWinspool& fake = fakeWinspool();
  if (records == nullptr) {
    *needed = fake.sizeQueryFails ? 0 : 64 * fake.jobs;
    return record("EnumJobsA size", true,
                  fake.sizeQueryFails ? ERROR_INVALID_HANDLE : ERROR_INSUFFICIENT_BUFFER);
  }
  if (!fake.sizeQueryFails) *returned = fake.jobs;
  return record("EnumJobsA", fake.sizeQueryFails);
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

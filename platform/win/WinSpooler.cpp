// SPDX-License-Identifier: Apache-2.0
#include "platform/win/WinSpooler.h"

#include <windows.h>
#include <winspool.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/SystemSpooler.h"
#include "platform/win/DriverAttributes.h"

namespace platform {

namespace {

constexpr DWORD kAllJobs = 0xFFFFFFFF;
constexpr DWORD kJobInfoLevel = 2;
constexpr DWORD kDocInfoLevel = 1;
// The first level that gives the driver's attributes.
constexpr DWORD kDriverInfoLevel = 8;
// Names only: enough to tell whether any printer is installed.
constexpr DWORD kPrinterInfoLevel = 4;
// Calls to EnumJobs before a queue that keeps growing between them is taken for one that gives
// no count.
constexpr int kJobQueries = 4;

// The UTF-8 form of LENGTH wide characters.
std::string utf8(const wchar_t* text, int length) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return "";
  std::string bytes(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

// The system's words for an error code, without the line break it ends with. Asked for in wide
// characters: the ANSI code page cannot spell every language's messages.
std::string systemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::string message = length > 0 ? utf8(text, static_cast<int>(length)) : "";
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
    message.pop_back();
  }
  return message.empty() ? "Error " + std::to_string(error) + "." : message;
}

// The attributes of the printer's driver, none when the spooler does not give them.
DWORD driverAttributes(HANDLE printer) {
  DWORD needed = 0;
  if (GetPrinterDriverA(printer, nullptr, kDriverInfoLevel, nullptr, 0, &needed) ||
      GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed < sizeof(DRIVER_INFO_8A)) {
    return 0;
  }
  std::vector<BYTE> info(needed);
  if (!GetPrinterDriverA(printer, nullptr, kDriverInfoLevel, info.data(), needed, &needed)) {
    return 0;
  }
  DRIVER_INFO_8A driver;
  std::memcpy(&driver, info.data(), sizeof driver);
  return driver.dwPrinterDriverAttributes;
}

class WinPrinter : public Printer {
 public:
  explicit WinPrinter(HANDLE handle) : handle_(handle) {}
  ~WinPrinter() override { close(); }

  int queuedJobs() override {
    // Only a count decides, and a query that fails gives none. The first call asks for the size
    // with no buffer; the queue may grow before the next, which then asks for more.
    std::vector<BYTE> records;
    for (int query = 0; query < kJobQueries; ++query) {
      DWORD needed = 0;
      DWORD returned = 0;
      // A failure that sets no error must not pass for an earlier call's want of a buffer.
      SetLastError(0);
      if (EnumJobsA(handle_, 0, kAllJobs, kJobInfoLevel, records.empty() ? nullptr : records.data(),
                    static_cast<DWORD>(records.size()), &needed, &returned)) {
        return static_cast<int>(returned);
      }
      if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return 0;
      records.resize(needed);
    }
    return 0;
  }

  bool startDoc(const std::string& documentName) override {
    std::vector<char> name(documentName.begin(), documentName.end());
    name.push_back('\0');
    char raw[] = "RAW";
    char xpsPass[] = "XPS_PASS";
    DOC_INFO_1A info{};
    info.pDocName = name.data();
    info.pOutputFile = nullptr;
    // The bytes are the printer's own commands: a printer whose default data type is EMF
    // would take them for a drawing and lose them. An XPS driver drops a RAW document while
    // every call succeeds; it passes the same bytes through as XPS_PASS.
    info.pDatatype = (driverAttributes(handle_) & PRINTER_DRIVER_XPS) ? xpsPass : raw;
    // The spooler's number for the job, 0 when it did not start one.
    jobId_ = StartDocPrinterA(handle_, kDocInfoLevel, reinterpret_cast<LPBYTE>(&info));
    if (jobId_ == 0) return fail();
    documentStarted_ = true;
    return true;
  }

  bool startPage() override { return StartPagePrinter(handle_) || fail(); }

  bool write(const ByteString& bytes) override {
    DWORD written = 0;
    if (!WritePrinter(handle_, const_cast<char*>(bytes.data()), static_cast<DWORD>(bytes.size()),
                      &written)) {
      return fail();
    }
    if (written != bytes.size()) {
      lastError_ = "The spooler took only " + std::to_string(written) + " of " +
                   std::to_string(bytes.size()) + " bytes.";
      return false;
    }
    return true;
  }

  bool endPage() override { return EndPagePrinter(handle_) || fail(); }

  bool endDoc() override {
    if (!EndDocPrinter(handle_)) return fail();
    documentAccepted_ = true;
    return true;
  }

  void close() override {
    if (handle_ == nullptr) return;
    // Nothing half-sent may print.
    if (documentStarted_ && !documentAccepted_) AbortPrinter(handle_);
    ClosePrinter(handle_);
    handle_ = nullptr;
  }

  std::string lastError() const override { return lastError_; }
  int jobId() const override { return static_cast<int>(jobId_); }

 private:
  bool fail() {
    lastError_ = systemMessage(GetLastError());
    return false;
  }

  HANDLE handle_;
  DWORD jobId_ = 0;
  bool documentStarted_ = false;
  bool documentAccepted_ = false;
  std::string lastError_;
};

// Why there is no default: no printer is installed, or some are but none is the default.
DefaultPrinter::Status withoutDefault() {
  DWORD needed = 0;
  DWORD returned = 0;
  // Without a buffer the spooler answers for an empty list only; any printer asks for one.
  if (EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, kPrinterInfoLevel,
                    nullptr, 0, &needed, &returned)) {
    return returned > 0 ? DefaultPrinter::Status::NoDefault : DefaultPrinter::Status::NoPrinter;
  }
  return GetLastError() == ERROR_INSUFFICIENT_BUFFER ? DefaultPrinter::Status::NoDefault
                                                     : DefaultPrinter::Status::Unreachable;
}

}  // namespace

DefaultPrinter WinSpooler::defaultPrinter() {
  DWORD size = 0;
  if (!GetDefaultPrinterA(nullptr, &size)) {
    const DWORD error = GetLastError();
    // No default is not to say no printer.
    if (error == ERROR_FILE_NOT_FOUND) return {withoutDefault(), {}};
    // The size query fails for want of a buffer; any other failure leaves the spooler unasked.
    if (error != ERROR_INSUFFICIENT_BUFFER) return {DefaultPrinter::Status::Unreachable, {}};
  }
  std::vector<char> name(size > 0 ? size : 1);
  if (!GetDefaultPrinterA(name.data(), &size)) return {DefaultPrinter::Status::Unreachable, {}};
  return {DefaultPrinter::Status::Found, std::string(name.data())};
}

std::unique_ptr<Printer> WinSpooler::open(const std::string& name) {
  HANDLE handle = nullptr;
  lastError_.clear();
  if (!OpenPrinterA(const_cast<char*>(name.c_str()), &handle, nullptr)) {
    lastError_ = systemMessage(GetLastError());
    return nullptr;
  }
  return std::make_unique<WinPrinter>(handle);
}

}  // namespace platform

std::unique_ptr<platform::Spooler> platform::makeSystemSpooler() {
  return std::make_unique<WinSpooler>();
}

bool platform::useSpoolerServer(const std::string&) {
  return false;
}

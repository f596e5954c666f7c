#include "platform/win/WinSpooler.h"

#include "platform/SystemSpooler.h"

#include <windows.h>
#include <winspool.h>

#include <string>
#include <vector>

namespace platform {

namespace {

constexpr DWORD kAllJobs = 0xFFFFFFFF;
constexpr DWORD kJobInfoLevel = 2;
constexpr DWORD kDocInfoLevel = 1;

class WinPrinter : public Printer {
 public:
  explicit WinPrinter(HANDLE handle) : handle_(handle) {}
  ~WinPrinter() override { close(); }

  int queuedJobs() override {
    DWORD needed = 0;
    DWORD returned = 0;
    EnumJobsA(handle_, 0, kAllJobs, kJobInfoLevel, nullptr, 0, &needed, &returned);
    std::vector<BYTE> records(needed > 0 ? needed : 1);
    returned = 0;
    EnumJobsA(handle_, 0, kAllJobs, kJobInfoLevel, records.data(), needed, &needed, &returned);
    return static_cast<int>(returned);
  }

  bool startDoc(const std::string& documentName) override {
    std::vector<char> name(documentName.begin(), documentName.end());
    name.push_back('\0');
    DOC_INFO_1A info{};
    info.pDocName = name.data();
    info.pOutputFile = nullptr;
    info.pDatatype = nullptr;  // the printer's default data type
    if (StartDocPrinterA(handle_, kDocInfoLevel, reinterpret_cast<LPBYTE>(&info)) == 0) {
      return fail();
    }
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

 private:
  // Records the system's words for the last error.
  bool fail() {
    const DWORD error = GetLastError();
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    lastError_ = length > 0 ? std::string(text, length) : "Error " + std::to_string(error);
    LocalFree(text);
    // The system's text ends with a line break.
    while (!lastError_.empty() && (lastError_.back() == '\n' || lastError_.back() == '\r')) {
      lastError_.pop_back();
    }
    return false;
  }

  HANDLE handle_;
  bool documentStarted_ = false;
  bool documentAccepted_ = false;
  std::string lastError_;
};

}  // namespace

DefaultPrinter WinSpooler::defaultPrinter() {
  DWORD size = 0;
  GetDefaultPrinterA(nullptr, &size);
  if (GetLastError() == ERROR_FILE_NOT_FOUND || size == 0) {
    return {DefaultPrinter::Status::NoPrinter, {}};
  }
  std::vector<char> name(size);
  if (!GetDefaultPrinterA(name.data(), &size)) return {DefaultPrinter::Status::Unreachable, {}};
  return {DefaultPrinter::Status::Found, std::string(name.data())};
}

std::unique_ptr<Printer> WinSpooler::open(const std::string& name) {
  HANDLE handle = nullptr;
  if (!OpenPrinterA(const_cast<char*>(name.c_str()), &handle, nullptr)) return nullptr;
  return std::make_unique<WinPrinter>(handle);
}

}  // namespace platform

std::unique_ptr<platform::Spooler> platform::makeSystemSpooler() {
  return std::make_unique<WinSpooler>();
}

#include "platform/win/WinSpooler.h"

#include "platform/SystemSpooler.h"

#include <windows.h>
#include <winspool.h>

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

  void startDoc(const std::string& documentName) override {
    std::vector<char> name(documentName.begin(), documentName.end());
    name.push_back('\0');
    DOC_INFO_1A info{};
    info.pDocName = name.data();
    info.pOutputFile = nullptr;
    info.pDatatype = nullptr;  // the printer's default data type
    StartDocPrinterA(handle_, kDocInfoLevel, reinterpret_cast<LPBYTE>(&info));
  }

  void startPage() override { StartPagePrinter(handle_); }

  void write(const ByteString& bytes) override {
    DWORD written = 0;
    WritePrinter(handle_, const_cast<char*>(bytes.data()), static_cast<DWORD>(bytes.size()),
                 &written);
  }

  void endPage() override { EndPagePrinter(handle_); }
  void endDoc() override { EndDocPrinter(handle_); }

  void close() override {
    if (handle_ == nullptr) return;
    ClosePrinter(handle_);
    handle_ = nullptr;
  }

 private:
  HANDLE handle_;
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

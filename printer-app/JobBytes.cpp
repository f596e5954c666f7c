// SPDX-License-Identifier: Apache-2.0
#include "printer-app/JobBytes.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>

namespace printerapp {

namespace {

std::string uniqueName(const char* kind) {
  static std::atomic<unsigned> count{0};
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return std::string(kind) + "-" +
         std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()) + "-" +
         std::to_string(count++);
}

bool writeAll(int fd, const platform::ByteString& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::optional<platform::ByteString> jobDocument(pappl_job_t* job) {
  std::ifstream in(papplJobGetFilename(job), std::ios::binary);
  std::ostringstream contents;
  if (!in.is_open() || !(contents << in.rdbuf())) {
    papplLogJob(job, PAPPL_LOGLEVEL_ERROR, "Unable to read the job's document.");
    return std::nullopt;
  }
  return contents.str();
}

bool sendToDevice(pappl_job_t* job, pappl_device_t* device, const platform::ByteString& bytes) {
  if (bytes.empty()) return true;
  if (papplDeviceWrite(device, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size())) {
    return true;
  }
  papplLogJob(job, PAPPL_LOGLEVEL_ERROR, "Unable to send the job to the printer.");
  return false;
}

bool spoolFile(pappl_printer_t* printer, const char* kind, const platform::ByteString& bytes,
               char* path, std::size_t pathSize) {
  const int fd =
      papplPrinterOpenFile(printer, path, pathSize, nullptr, uniqueName(kind).c_str(), "prn", "w");
  if (fd < 0) {
    papplLogPrinter(printer, PAPPL_LOGLEVEL_ERROR, "Unable to create a %s file.", kind);
    return false;
  }
  const bool written = writeAll(fd, bytes);
  if (close(fd) != 0 || !written) {
    papplLogPrinter(printer, PAPPL_LOGLEVEL_ERROR, "Unable to write the file '%s'.", path);
    unlink(path);
    return false;
  }
  return true;
}

}  // namespace printerapp

// SPDX-License-Identifier: Apache-2.0
#include "printer-app/TestPage.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>

#include "features/PrintFeatures.h"
#include "printer-app/Driver.h"

namespace printerapp {

namespace {

// Every test page its own file, so that one queued behind another is not overwritten, nor
// removed with it.
std::string uniqueName() {
  static std::atomic<unsigned> count{0};
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return "testpage-" +
         std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()) + "-" +
         std::to_string(count++);
}

bool writeAll(int fd, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

const char* writeTestPage(pappl_printer_t* printer, char* buffer, std::size_t size) {
  const settings::Selection emulation =
      appliedSettings(printer).appliedEmulation(papplPrinterGetID(printer));
  const features::FeaturesPage page = features::pageForEmulation(emulation).page();

  const int fd =
      papplPrinterOpenFile(printer, buffer, size, nullptr, uniqueName().c_str(), "prn", "w");
  if (fd < 0) {
    papplLogPrinter(printer, PAPPL_LOGLEVEL_ERROR, "Unable to create the test page file.");
    return nullptr;
  }
  const bool written = writeAll(fd, page.title + page.body);
  if (close(fd) != 0 || !written) {
    papplLogPrinter(printer, PAPPL_LOGLEVEL_ERROR, "Unable to write the test page file '%s'.",
                    buffer);
    unlink(buffer);
    return nullptr;
  }
  return buffer;
}

}  // namespace printerapp

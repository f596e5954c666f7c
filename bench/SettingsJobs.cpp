// SPDX-License-Identifier: Apache-2.0
// Sends Apply Settings jobs in a row to the default printer, through the spooler module as the
// program loads it, with the readiness prompt answered OK and without the pause after each job:
//   bench_settings_jobs MODULE COUNT
// Each job after the first waits, untimed, until the last has left the queue. Prints each job's
// time from the OK to the scheduler's acceptance, and the resident memory and open descriptors
// before the first job, after it and after the last.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "download/DownloadSettings.h"
#include "download/DownloadWindow.h"
#include "platform/MouseButton.h"
#include "platform/SpoolerModule.h"
#include "settings/SelectionBoxes.h"
#include "settings/SettingsView.h"

namespace {

// Answers OK to the readiness prompt and counts every other message: each is a failure.
class OkMessageBoxes : public platform::MessageBoxes {
 public:
  platform::Answer show(const std::string& text, const std::string&, int style) override {
    if (style != platform::kOkCancelInformation) {
      ++failures;
      std::fprintf(stderr, "message: %s\n", text.c_str());
    }
    return platform::Answer::Ok;
  }
  int failures = 0;
};

class NoPause : public platform::Sleeper {
 public:
  void sleepMs(int) override {}
};

long residentKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

long openDescriptors() {
  long count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    ++count;
  }
  return count - 1;  // the listing's own
}

// Waits until the default printer's queue is empty: a job sent while the last is still queued
// would find the printer busy.
void waitUntilQueueEmpty(platform::Spooler& spooler) {
  const platform::DefaultPrinter printer = spooler.defaultPrinter();
  for (int attempt = 0; attempt < 2000; ++attempt) {
    const auto opened = spooler.open(printer.name);
    if (!opened || opened->queuedJobs() == 0) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void printUse(const char* when) {
  std::printf("rss_kb_%s %ld\nfds_%s %ld\n", when, residentKb(), when, openDescriptors());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: bench_settings_jobs MODULE COUNT\n");
    return 2;
  }
  const long count = std::strtol(argv[2], nullptr, 10);
  const auto spooler = platform::makeModuleSpooler(argv[1]);
  OkMessageBoxes messageBoxes;
  NoPause noPause;
  platform::Platform platform{*spooler, messageBoxes, noPause};
  // The selections the window starts with, shown nowhere.
  settings::NoView noView;
  settings::SelectionBoxes defaults(noView);
  defaults.IntializeSelectionBoxes();
  mdlFlagSettings::NoWindow window(defaults);

  printUse("before");
  for (long job = 0; job < count; ++job) {
    // Not before the first: it loads the module, as the program's first job does.
    if (job > 0) waitUntilQueueEmpty(*spooler);
    const auto start = std::chrono::steady_clock::now();
    mdlFlagSettings::applySettings(platform::kLeftButton, platform, window);
    const auto took = std::chrono::steady_clock::now() - start;
    std::printf("job_us %lld\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::microseconds>(took).count()));
    if (job == 0) printUse("first");
  }
  printUse("last");
  return messageBoxes.failures == 0 ? 0 : 1;
}

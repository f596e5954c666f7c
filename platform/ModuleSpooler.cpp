// SPDX-License-Identifier: Apache-2.0
#include <dlfcn.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/SpoolerModule.h"

namespace platform {

namespace {

// The module's spooler, or null with the reason in whyNot. The module is never unloaded once
// its spooler is made: the spooler is kept to the end of the program.
Spooler* load(const std::string& modulePath, std::string& whyNot) {
  // A relative path would be looked up in the library path, not in the program's folder.
  if (modulePath.empty() || modulePath.front() != '/') {
    whyNot = "not an absolute path";
    return nullptr;
  }
  struct stat file;
  if (stat(modulePath.c_str(), &file) != 0) {
    whyNot = std::strerror(errno);
    return nullptr;
  }
  // Loading a FIFO waits for a writer for ever.
  if (!S_ISREG(file.st_mode)) {
    whyNot = "not a regular file";
    return nullptr;
  }
  void* module = dlopen(modulePath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) {
    whyNot = dlerror();
    return nullptr;
  }
  const auto build = reinterpret_cast<SpoolerModuleBuild>(dlsym(module, kSpoolerModuleBuild));
  const auto entry =
      build ? reinterpret_cast<SpoolerModuleEntry>(dlsym(module, kSpoolerModuleEntry)) : nullptr;
  if (!entry) {
    whyNot = dlerror();
  } else if (std::strcmp(build(), MRL770_BUILD_IDENTITY) != 0) {
    whyNot = "from another build of the program";
  } else {
    return entry();
  }
  dlclose(module);
  return nullptr;
}

class ModuleSpooler : public Spooler {
 public:
  explicit ModuleSpooler(std::string modulePath) : modulePath_(std::move(modulePath)) {}

  DefaultPrinter defaultPrinter() override {
    Spooler* spooler = loaded();
    return spooler ? spooler->defaultPrinter()
                   : DefaultPrinter{DefaultPrinter::Status::Unreachable, ""};
  }

  std::unique_ptr<Printer> open(const std::string& name) override {
    Spooler* spooler = loaded();
    return spooler ? spooler->open(name) : nullptr;
  }

  std::string lastError() const override { return spooler_ ? spooler_->lastError() : ""; }

  JobStatus jobStatus(const std::string& queue, int jobId) override {
    Spooler* spooler = loaded();
    return spooler ? spooler->jobStatus(queue, jobId) : JobStatus{JobState::Unknown, ""};
  }

  std::vector<QueueInfo> queues() override {
    Spooler* spooler = loaded();
    return spooler ? spooler->queues() : std::vector<QueueInfo>{};
  }

 private:
  Spooler* loaded() {
    if (spooler_) return spooler_.get();
    std::string whyNot;
    spooler_.reset(load(modulePath_, whyNot));
    // The user sees only that the printer could not be opened; the reason goes where a
    // terminal or the session's log keeps it, once, not at every retry.
    if (!spooler_ && whyNot != reported_) {
      std::fprintf(stderr, "%s: cannot use the spooler module %s: %s\n",
                   program_invocation_short_name, modulePath_.c_str(), whyNot.c_str());
      reported_ = whyNot;
    }
    return spooler_.get();
  }

  std::string modulePath_;
  std::unique_ptr<Spooler> spooler_;
  // The last reason given on standard error.
  std::string reported_;
};

}  // namespace

std::string spoolerModulePath(const std::string& programFolder) {
  // The build names the file after its module target.
  return programFolder + "/" MRL770_SPOOLER_MODULE;
}

bool useModuleSpoolerServer(const std::string& server) {
  // The module's spooler reads it each time it connects, in whichever thread.
  return setenv("CUPS_SERVER", server.c_str(), 1) == 0;
}

std::unique_ptr<Spooler> makeModuleSpooler(std::string modulePath) {
  return std::make_unique<ModuleSpooler>(std::move(modulePath));
}

}  // namespace platform

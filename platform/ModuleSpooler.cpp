#include <dlfcn.h>

#include <utility>

#include "platform/SpoolerModule.h"

namespace platform {

namespace {

// The module is never unloaded: libcups, which it pulls in, leaves per-thread state behind
// whose destructors must still find it when the program's threads end.
Spooler* load(const std::string& modulePath) {
  void* module = dlopen(modulePath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) return nullptr;
  const auto entry = reinterpret_cast<SpoolerModuleEntry>(dlsym(module, kSpoolerModuleEntry));
  if (!entry) {
    dlclose(module);
    return nullptr;
  }
  return entry();
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

 private:
  Spooler* loaded() {
    if (!spooler_) spooler_.reset(load(modulePath_));
    return spooler_.get();
  }

  std::string modulePath_;
  std::unique_ptr<Spooler> spooler_;
};

}  // namespace

std::string spoolerModulePath(const std::string& programFolder) {
  // The build names the file after its module target.
  return programFolder + "/" MRL770_SPOOLER_MODULE;
}

std::unique_ptr<Spooler> makeModuleSpooler(std::string modulePath) {
  return std::make_unique<ModuleSpooler>(std::move(modulePath));
}

}  // namespace platform

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/SpoolerModule.h"

using platform::DefaultPrinter;

namespace {

struct BrokenModule {
  const char* what;
  std::string path;
};

// A file named like the module that holds no module.
std::string notAModule() {
  const std::string path =
      (std::filesystem::temp_directory_path() / "mrl770-not-a-module.so").string();
  std::ofstream(path) << "not a shared object\n";
  return path;
}

}  // namespace

// Whatever keeps the module from loading, the spooler could not be asked, every time it is
// asked: the print actions then show the open-failed message.
TEST(ModuleSpooler, AModuleThatDoesNotLoadIsAnUnreachableSpooler) {
  const BrokenModule modules[] = {
      {"missing", platform::spoolerModulePath("/nonexistent-folder")},
      {"no shared object", notAModule()},
      {"no entry", "libm.so.6"},
  };
  for (const BrokenModule& module : modules) {
    SCOPED_TRACE(module.what);
    const auto spooler = platform::makeModuleSpooler(module.path);
    for (int attempt = 0; attempt < 2; ++attempt) {
      const DefaultPrinter printer = spooler->defaultPrinter();
      EXPECT_EQ(DefaultPrinter::Status::Unreachable, printer.status);
      EXPECT_EQ("", printer.name);
      EXPECT_EQ(nullptr, spooler->open("Zel_MRL_770"));
    }
  }
  std::remove(modules[1].path.c_str());
}

// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/SpoolerModule.h"

using platform::DefaultPrinter;

namespace {

struct BrokenModule {
  const char* what;
  std::string path;
  // What the line on standard error gives as the reason.
  const char* reason;
};

std::string temporaryPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

// A file named like the module that holds no module.
std::string notAModule() {
  const std::string path = temporaryPath("mrl770-not-a-module.so");
  std::ofstream(path) << "not a shared object\n";
  return path;
}

// A FIFO named like the module: loading it would wait for ever for a writer.
std::string fifo() {
  const std::string path = temporaryPath("mrl770-fifo-module.so");
  std::remove(path.c_str());
  mkfifo(path.c_str(), 0600);
  return path;
}

// What run writes to standard error.
std::string standardError(const std::function<void()>& run) {
  std::fflush(stderr);
  const int saved = dup(2);
  std::FILE* file = std::tmpfile();
  dup2(fileno(file), 2);
  run();
  std::fflush(stderr);
  dup2(saved, 2);
  close(saved);
  std::string written;
  std::rewind(file);
  for (int c; (c = std::fgetc(file)) != EOF;) written += static_cast<char>(c);
  std::fclose(file);
  return written;
}

}  // namespace

// Whatever keeps the module from loading, or from being trusted, the spooler could not be asked,
// every time it is asked: the print actions then show the open-failed message. One line on
// standard error says why.
TEST(ModuleSpooler, AModuleThatDoesNotLoadIsAnUnreachableSpooler) {
  const BrokenModule modules[] = {
      {"missing", platform::spoolerModulePath("/nonexistent-folder"), "No such file or directory"},
      {"no shared object", notAModule(), "file too short"},
      {"a relative path", "libm.so.6", "not an absolute path"},
      {"no entry", MRL770_LIBM, platform::kSpoolerModuleBuild},
      {"a FIFO", fifo(), "not a regular file"},
      {"another build", MRL770_OTHER_BUILD_MODULE, "from another build of the program"},
  };
  for (const BrokenModule& module : modules) {
    SCOPED_TRACE(module.what);
    const auto spooler = platform::makeModuleSpooler(module.path);
    const std::string said = standardError([&] {
      for (int attempt = 0; attempt < 2; ++attempt) {
        const DefaultPrinter printer = spooler->defaultPrinter();
        EXPECT_EQ(DefaultPrinter::Status::Unreachable, printer.status);
        EXPECT_EQ("", printer.name);
        EXPECT_EQ(nullptr, spooler->open("Zel_MRL_770"));
      }
    });
    const std::string line = std::string(program_invocation_short_name) +
                             ": cannot use the spooler module " + module.path + ": ";
    EXPECT_EQ(line, said.substr(0, line.size()));
    EXPECT_NE(std::string::npos, said.find(module.reason, line.size())) << said;
    EXPECT_EQ(said.size() - 1, said.find('\n')) << said;
  }
  std::remove(modules[1].path.c_str());
  std::remove(modules[4].path.c_str());
}

// SPDX-License-Identifier: Apache-2.0
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif
#include <stdio.h>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/Run.h"
#include "platform/Sleeper.h"

#ifdef _WIN32
#include "platform/SystemSpooler.h"
#else
#include "platform/SpoolerModule.h"
#endif

namespace {

#ifdef _WIN32
std::unique_ptr<platform::Spooler> systemSpooler() {
  return platform::makeSystemSpooler();
}

bool useServer(const std::string& server) {
  return platform::useSpoolerServer(server);
}
#else
// The folder of the program's own file, wherever it was started from; "." when the system
// does not tell, which the module's loader refuses as not absolute.
std::string programFolder() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", &path[0], path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return ".";
  path.resize(static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/'));
}

// encode, decode and list need no spooler: its module, beside the program, is loaded only by
// a command that prints.
std::unique_ptr<platform::Spooler> systemSpooler() {
  return platform::makeModuleSpooler(platform::spoolerModulePath(programFolder()));
}

bool useServer(const std::string& server) {
  return platform::useModuleSpoolerServer(server);
}
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // Raw command bytes and pages pass through stdin and stdout unchanged: no CR before each LF.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const std::unique_ptr<platform::Spooler> spooler = systemSpooler();
  platform::ThreadSleeper sleeper;
  cli::Outside outside{std::cin,
                       std::cout,
                       std::cerr,
                       *spooler,
                       sleeper,
                       useServer,
                       [] { return isatty(fileno(stdout)) != 0; },
                       systemSpooler};
  return cli::run(std::vector<std::string>(argv + 1, argv + argc), outside);
}

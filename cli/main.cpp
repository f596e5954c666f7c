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
#include "platform/SystemSpooler.h"

int main(int argc, char** argv) {
#ifdef _WIN32
  // Raw command bytes and pages pass through stdin and stdout unchanged: no CR before each LF.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const std::unique_ptr<platform::Spooler> spooler = platform::makeSystemSpooler();
  platform::ThreadSleeper sleeper;
  cli::Outside outside{
      std::cin, std::cout, std::cerr, *spooler, sleeper, platform::useSpoolerServer, [] {
        return isatty(fileno(stdout)) != 0;
      }};
  return cli::run(std::vector<std::string>(argv + 1, argv + argc), outside);
}

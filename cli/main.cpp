#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/Run.h"
#include "platform/Sleeper.h"
#include "platform/SystemSpooler.h"
#include "platform/cups/CupsServer.h"

int main(int argc, char** argv) {
  const std::unique_ptr<platform::Spooler> spooler = platform::makeSystemSpooler();
  platform::ThreadSleeper sleeper;
  cli::Outside outside{std::cin, std::cout, std::cerr,
                       *spooler, sleeper,   platform::cups::useServer};
  return cli::run(std::vector<std::string>(argv + 1, argv + argc), outside);
}

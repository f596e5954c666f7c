// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "cups/PrivateCups.h"
#include "fakes/Bytes.h"
#include "platform/SpoolerModule.h"

using platform::DefaultPrinter;

// The module as the build writes it beside the program: loaded on the first call, it finds the
// default queue and prints to it.
TEST_F(PrivateCupsTest, TheSpoolerModuleLoadsAndPrintsToTheDefaultQueue) {
  cups().addQueue("MRL770");
  const auto spooler = platform::makeModuleSpooler(MRL770_SPOOLER_MODULE_FILE);

  const DefaultPrinter printer = spooler->defaultPrinter();
  EXPECT_EQ(DefaultPrinter::Status::Found, printer.status);
  EXPECT_EQ("MRL770", printer.name);
  auto opened = spooler->open(printer.name);
  ASSERT_TRUE(opened);
  const std::string bytes("\x1B\x19\x01\x00", 4);
  EXPECT_TRUE(opened->startDoc("Permanent Settings Configuration") && opened->startPage() &&
              opened->write(bytes) && opened->endPage() && opened->endDoc());
  opened->close();

  const auto jobs = cups().jobs();
  ASSERT_EQ(1u, jobs.size());
  EXPECT_EQ(hex(bytes), hex(cups().printed(jobs[0].id)));
}

// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <cups/cups.h>
#include <stdlib.h>

#include <functional>

#include "cups/NotIppServer.h"
#include "cups/PrivateCups.h"
#include "fakes/Bytes.h"
#include "platform/cups/CupsSpooler.h"

using platform::DefaultPrinter;
using platform::JobState;

namespace {

constexpr const char* kQueue = "MRL770";

class CupsSpoolerTest : public PrivateCupsTest {
 protected:
  platform::cups::CupsSpooler spooler;
};

}  // namespace

TEST_F(CupsSpoolerTest, WritesArriveAsOneJobWithTheirBytesInOrder) {
  cups().addQueue(kQueue);
  const std::string name = "Doc: \"exact\" name, with  spaces";
  const std::string first("\x1B\x00\x19", 3);
  const std::string second("\x00\x00\xFF\r\n", 5);

  auto printer = spooler.open(kQueue);
  ASSERT_TRUE(printer);
  EXPECT_EQ(0, printer->queuedJobs());
  EXPECT_TRUE(printer->startDoc(name));
  EXPECT_TRUE(printer->startPage());
  EXPECT_TRUE(printer->write(first));
  EXPECT_TRUE(printer->write(second));
  EXPECT_TRUE(printer->endPage());
  EXPECT_TRUE(printer->endDoc());
  printer->close();

  const auto jobs = cups().jobs();
  ASSERT_EQ(1u, jobs.size());
  EXPECT_EQ(name, jobs[0].name);
  EXPECT_EQ(hex(first + second), hex(cups().printed(jobs[0].id)));
  EXPECT_EQ(JobState::Completed, spooler.jobStatus(kQueue, jobs[0].id).state);
}

TEST_F(CupsSpoolerTest, QueuedJobsCountsHeldAndStoppedJobs) {
  cups().addQueue(kQueue);
  cups().holdJob(kQueue, "held");
  cups().stopQueueWithJob(kQueue, "waiting");
  auto printer = spooler.open(kQueue);
  ASSERT_TRUE(printer);
  EXPECT_EQ(2, printer->queuedJobs());
}

TEST_F(CupsSpoolerTest, OpenNeedsAnExistingQueue) {
  cups().addQueue(kQueue);
  EXPECT_TRUE(spooler.open(kQueue));
  EXPECT_EQ("", spooler.lastError());
  EXPECT_FALSE(spooler.open("Gone"));
  EXPECT_EQ("The printer or class does not exist.", spooler.lastError());
  setenv("CUPS_SERVER", (cups().dir() + "/missing.sock").c_str(), 1);
  cupsSetServer(nullptr);
  EXPECT_FALSE(spooler.open(kQueue));
  // The system's words for the failed connect, which libcups chooses ("Host is down").
  EXPECT_NE("", spooler.lastError());
}

// The check runs on our own connection: the test's timeout bounds it, where libcups's own
// lookup waits more than two minutes.
TEST_F(CupsSpoolerTest, OpenGivesUpOnAFrozenScheduler) {
  cups().addQueue(kQueue);
  cups().freeze();
  EXPECT_FALSE(spooler.open(kQueue));
  EXPECT_EQ("The scheduler did not answer in time.", spooler.lastError());
  cups().thaw();
}

// The scheduler's word on a job; Unknown for a job it does not know or when it cannot be asked.
TEST_F(CupsSpoolerTest, JobStatusIsTheSchedulersWord) {
  cups().addQueue(kQueue);
  cups().holdJob(kQueue, "held");
  const int held = cups().jobs().back().id;
  EXPECT_EQ(JobState::Held, spooler.jobStatus(kQueue, held).state);
  cups().tool("cancel", std::to_string(held));
  EXPECT_EQ(JobState::Cancelled, spooler.jobStatus(kQueue, held).state);
  EXPECT_EQ(JobState::Unknown, spooler.jobStatus(kQueue, held + 1).state);
  setenv("CUPS_SERVER", (cups().dir() + "/missing.sock").c_str(), 1);
  cupsSetServer(nullptr);
  EXPECT_EQ(JobState::Unknown, spooler.jobStatus(kQueue, held).state);
}

TEST_F(CupsSpoolerTest, AQueueNameThatAUriMustEscapeGetsItsJob) {
  const std::string queue = "Zel%41+770";
  cups().addQueue(queue);
  auto printer = spooler.open(queue);
  ASSERT_TRUE(printer);
  printer->startDoc("escaped");
  printer->write("\x1B\x19\x01");
  printer->endDoc();
  printer->close();

  const auto jobs = cups().jobs();
  ASSERT_EQ(1u, jobs.size());
  EXPECT_EQ("1B 19 01", hex(cups().printed(jobs[0].id)));
}

// An HTTP error is no answer on the scheduler's printers: it must not read as "no printers".
TEST_F(CupsSpoolerTest, AServerThatSpeaksNoIppIsUnreachable) {
  const std::string socket = cups().dir() + "/web.sock";
  NotIppServer server(socket);
  setenv("CUPS_SERVER", socket.c_str(), 1);
  cupsSetServer(nullptr);
  EXPECT_EQ(DefaultPrinter::Status::Unreachable, spooler.defaultPrinter().status);
}

struct DefaultCase {
  const char* name;
  std::function<void(PrivateCups&)> arrange;
  DefaultPrinter::Status status;
  const char* printer;
};

void PrintTo(const DefaultCase& c, std::ostream* os) {
  *os << c.name;
}

class DefaultPrinterTest : public CupsSpoolerTest,
                           public ::testing::WithParamInterface<DefaultCase> {};

TEST_P(DefaultPrinterTest, TellsWhatThereIs) {
  GetParam().arrange(cups());
  const DefaultPrinter printer = spooler.defaultPrinter();
  EXPECT_EQ(GetParam().status, printer.status);
  EXPECT_EQ(GetParam().printer, printer.name);
}

void addQueue(PrivateCups& cups) {
  cups.addQueue(kQueue);
}

INSTANTIATE_TEST_SUITE_P(Cases, DefaultPrinterTest,
                         ::testing::Values(DefaultCase{"SchedulerDefault", addQueue,
                                                       DefaultPrinter::Status::Found, kQueue},
                                           DefaultCase{"InstanceNamedInPrinterVariable",
                                                       [](PrivateCups& cups) {
                                                         addQueue(cups);
                                                         setenv("PRINTER", "MRL770/copy", 1);
                                                       },
                                                       DefaultPrinter::Status::Found, kQueue},
                                           DefaultCase{"NoPrinterAtAll", [](PrivateCups&) {},
                                                       DefaultPrinter::Status::NoPrinter, ""},
                                           DefaultCase{"PrintersButNoDefault",
                                                       [](PrivateCups& cups) {
                                                         addQueue(cups);
                                                         cups.addQueue("Other");
                                                         cups.removeQueue("Other");
                                                       },
                                                       DefaultPrinter::Status::NoDefault, ""},
                                           DefaultCase{"DefaultNamesAQueueThatIsGone",
                                                       [](PrivateCups& cups) {
                                                         addQueue(cups);
                                                         setenv("PRINTER", "Gone", 1);
                                                       },
                                                       DefaultPrinter::Status::NoDefault, ""},
                                           DefaultCase{"StoppedScheduler",
                                                       [](PrivateCups& cups) {
                                                         addQueue(cups);
                                                         cups.stop();
                                                       },
                                                       DefaultPrinter::Status::Unreachable, ""},
                                           DefaultCase{"FrozenScheduler",
                                                       [](PrivateCups& cups) {
                                                         addQueue(cups);
                                                         cups.freeze();
                                                       },
                                                       DefaultPrinter::Status::Unreachable, ""}),
                         [](const auto& row) { return std::string(row.param.name); });

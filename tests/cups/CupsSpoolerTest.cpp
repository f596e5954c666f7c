// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <cups/cups.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "cups/NotIppServer.h"
#include "cups/PrivateCups.h"
#include "fakes/Bytes.h"
#include "platform/SystemSpooler.h"
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

TEST_F(CupsSpoolerTest, OpenNeedsAnExistingQueue) {
  cups().addQueue(kQueue);
  EXPECT_TRUE(spooler.open(kQueue));
  EXPECT_EQ("", spooler.lastError());
  EXPECT_FALSE(spooler.open("Gone"));
  EXPECT_EQ("The printer or class does not exist.", spooler.lastError());
  setenv("CUPS_SERVER", (cups().dir() + "/missing.sock").c_str(), 1);
  platform::useSpoolerServer("");
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
  platform::useSpoolerServer("");
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

// An HTTP error, or an answer that is no IPP, is no answer on the scheduler's printers: it must
// not read as "no printers". An answer longer than any scheduler's is given up at once, not
// read until the request's time runs out.
TEST_F(CupsSpoolerTest, AServerThatSpeaksNoIppIsUnreachable) {
  const std::string socket = cups().dir() + "/web.sock";
  setenv("CUPS_SERVER", socket.c_str(), 1);
  platform::useSpoolerServer("");
  for (const char* answer : {"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n",
                             "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello",
                             "HTTP/1.1 200 OK\r\nContent-Length: 4000000000\r\n\r\n"}) {
    SCOPED_TRACE(answer);
    const NotIppServer server(socket, answer);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(DefaultPrinter::Status::Unreachable, spooler.defaultPrinter().status);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  }
}

// An answer sent in chunks, as HTTP/1.1 allows, is read whole.
TEST_F(CupsSpoolerTest, ReadsAChunkedAnswer) {
  const std::string socket = cups().dir() + "/chunked.sock";
  setenv("CUPS_SERVER", socket.c_str(), 1);
  platform::useSpoolerServer("");
  // A CUPS-Get-Default answer: successful-ok, then a printer group naming the queue "Zel",
  // sent as a chunk of 9 bytes and one of 0x15.
  const std::string ipp = std::string("\x02\x00\x00\x00\x00\x00\x00\x01\x04", 9) +
                          std::string("\x42\x00\x0Cprinter-name\x00\x03Zel", 20) + "\x03";
  ASSERT_EQ(9u + 0x15u, ipp.size());
  const NotIppServer server(socket,
                            "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\n"
                            "Transfer-Encoding: chunked\r\n\r\n9\r\n" +
                                ipp.substr(0, 9) + "\r\n15\r\n" + ipp.substr(9) + "\r\n0\r\n\r\n");
  // Gone before the server, which waits for the lookup's connection to close.
  platform::cups::CupsSpooler asking;
  const DefaultPrinter printer = asking.defaultPrinter();
  EXPECT_EQ(DefaultPrinter::Status::Found, printer.status);
  EXPECT_EQ("Zel", printer.name);
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

INSTANTIATE_TEST_SUITE_P(
    Cases, DefaultPrinterTest,
    ::testing::Values(
        DefaultCase{"SchedulerDefault", addQueue, DefaultPrinter::Status::Found, kQueue},
        DefaultCase{"InstanceNamedInPrinterVariable",
                    [](PrivateCups& cups) {
                      addQueue(cups);
                      setenv("PRINTER", "MRL770/copy", 1);
                    },
                    DefaultPrinter::Status::Found, kQueue},
        DefaultCase{"InstanceNamedInUsersLpoptions",
                    [](PrivateCups& cups) {
                      addQueue(cups);
                      cups.addQueue("Other");
                      std::filesystem::create_directories(cups.dir() + "/home/.cups");
                      std::ofstream(cups.dir() + "/home/.cups/lpoptions")
                          << "Default MRL770/copy sides=one\n";
                    },
                    DefaultPrinter::Status::Found, kQueue},
        DefaultCase{"NoPrinterAtAll", [](PrivateCups&) {}, DefaultPrinter::Status::NoPrinter, ""},
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

struct QueuedJobCase {
  const char* name;
  // Leaves the queue's last job in the state.
  std::function<void(PrivateCups&)> arrange;
  JobState state;
};

void PrintTo(const QueuedJobCase& c, std::ostream* os) {
  *os << c.name;
}

class QueuedJobsTest : public CupsSpoolerTest, public ::testing::WithParamInterface<QueuedJobCase> {
 protected:
  void waitForState(int jobId, JobState state) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (spooler.jobStatus(kQueue, jobId).state != state &&
           std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_EQ(state, spooler.jobStatus(kQueue, jobId).state);
  }
};

// The busy check takes the count from the lookup of the queue (queued-job-count); it must
// count what Get-Jobs gives as not completed, any user's, on either lookup, and no finished job.
TEST_P(QueuedJobsTest, TheLookupsCountIsGetJobsCount) {
  const QueuedJobCase& c = GetParam();
  cups().addQueue(kQueue);
  c.arrange(cups());
  waitForState(cups().jobs().back().id, c.state);
  const bool unfinished = c.state == JobState::Pending || c.state == JobState::Held ||
                          c.state == JobState::Processing || c.state == JobState::Stopped;
  ASSERT_EQ(unfinished ? 1 : 0, cups().notCompletedJobs(kQueue));

  ASSERT_EQ(DefaultPrinter::Status::Found, spooler.defaultPrinter().status);
  auto byDefault = spooler.open(kQueue);
  ASSERT_TRUE(byDefault);
  EXPECT_EQ(cups().notCompletedJobs(kQueue), byDefault->queuedJobs());
  auto byName = spooler.open(kQueue);
  ASSERT_TRUE(byName);
  EXPECT_EQ(cups().notCompletedJobs(kQueue), byName->queuedJobs());
}

// A job whose backend cannot write its name stays processing.
void blockInBackend(PrivateCups& cups) {
  const auto jobs = cups.jobs();
  const int next = jobs.empty() ? 1 : jobs.back().id + 1;
  ASSERT_EQ(0, mkfifo((cups.dir() + "/out/job-" + std::to_string(next) + ".name").c_str(), 0600));
  cups.tool("lp", std::string("-d ") + kQueue + " -t blocked " + cups.dir() + "/client.conf");
}

INSTANTIATE_TEST_SUITE_P(
    States, QueuedJobsTest,
    ::testing::Values(
        QueuedJobCase{"Pending",
                      [](PrivateCups& cups) { cups.stopQueueWithJob(kQueue, "waiting"); },
                      JobState::Pending},
        QueuedJobCase{"Held", [](PrivateCups& cups) { cups.holdJob(kQueue, "held"); },
                      JobState::Held},
        QueuedJobCase{"HeldForAnotherUser",
                      [](PrivateCups& cups) {
                        cups.tool("lp", std::string("-U someone -H hold -d ") + kQueue + " " +
                                            cups.dir() + "/client.conf");
                      },
                      JobState::Held},
        QueuedJobCase{"Processing", blockInBackend, JobState::Processing},
        // The scheduler puts a processing job whose queue is stopped back to pending; it
        // makes no job that stays in the stopped state.
        QueuedJobCase{"ProcessingWhenTheQueueStopped",
                      [](PrivateCups& cups) {
                        blockInBackend(cups);
                        cups.tool("cupsdisable", kQueue);
                      },
                      JobState::Pending},
        QueuedJobCase{"Completed",
                      [](PrivateCups& cups) {
                        cups.tool("lp",
                                  std::string("-d ") + kQueue + " " + cups.dir() + "/client.conf");
                        cups.printed(cups.jobs().back().id);
                      },
                      JobState::Completed},
        QueuedJobCase{"Cancelled",
                      [](PrivateCups& cups) {
                        cups.holdJob(kQueue, "held");
                        cups.tool("cancel", std::to_string(cups.jobs().back().id));
                      },
                      JobState::Cancelled},
        QueuedJobCase{"Aborted",
                      [](PrivateCups& cups) {
                        cups.tool("lpadmin", std::string("-p ") + kQueue +
                                                 " -v capture:/nonexistent -o "
                                                 "printer-error-policy=abort-job");
                        cups.tool("lp",
                                  std::string("-d ") + kQueue + " " + cups.dir() + "/client.conf");
                      },
                      JobState::Aborted}),
    [](const auto& row) { return std::string(row.param.name); });

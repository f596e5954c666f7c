// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "cli/ProgramRun.h"
#include "cups/FakeScheduler.h"
#include "cups/PrivateCups.h"
#include "cups/SchedulerRelay.h"
#include "download/DownloadSettings.h"
#include "fakes/Bytes.h"
#include "fakes/FakeSleeper.h"
#include "fakes/RecordingDownloadWindow.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "platform/MouseButton.h"
#include "platform/SystemSpooler.h"
#include "platform/cups/CupsSpooler.h"
#include "printjob/RawPrintJob.h"

namespace {

constexpr const char* kQueue = "Zel_MRL_770";
const std::string kNotAccepted =
    "Unable to download printer settings.\r\n\r\nThe print spooler did not accept the job: ";
const std::string kOpenFailed = "OpenPrinter Failed!!!\r\nUnable to access printer";
const std::string kNoPrinter = "No printer drivers are installed.\r\nDownload Failed!!";

// The real spooler, with a hook that runs once the document has been started, before the
// Print-Job that carries it goes out.
class HookedSpooler : public platform::Spooler {
 public:
  std::function<void()> afterStartDoc;

  platform::DefaultPrinter defaultPrinter() override { return real_.defaultPrinter(); }
  std::unique_ptr<platform::Printer> open(const std::string& name) override {
    auto printer = real_.open(name);
    if (!printer) return nullptr;
    return std::make_unique<Printer>(std::move(printer), afterStartDoc);
  }

 private:
  class Printer : public platform::Printer {
   public:
    Printer(std::unique_ptr<platform::Printer> real, std::function<void()> hook)
        : real_(std::move(real)), hook_(std::move(hook)) {}
    int queuedJobs() override { return real_->queuedJobs(); }
    bool startDoc(const std::string& name) override {
      const bool created = real_->startDoc(name);
      if (hook_) hook_();
      return created;
    }
    bool startPage() override { return real_->startPage(); }
    bool write(const platform::ByteString& bytes) override { return real_->write(bytes); }
    bool endPage() override { return real_->endPage(); }
    bool endDoc() override { return real_->endDoc(); }
    void close() override { real_->close(); }
    std::string lastError() const override { return real_->lastError(); }

   private:
    std::unique_ptr<platform::Printer> real_;
    std::function<void()> hook_;
  };

  platform::cups::CupsSpooler real_;
};

void pointAtMissingSocket(PrivateCups& cups) {
  setenv("CUPS_SERVER", (cups.dir() + "/missing.sock").c_str(), 1);
  platform::useSpoolerServer("");
}

void pointAtScheduler(PrivateCups& cups) {
  setenv("CUPS_SERVER", cups.socket().c_str(), 1);
  platform::useSpoolerServer("");
}

// The row's relay between the program and the scheduler, when it has one.
std::unique_ptr<SchedulerRelay> relay;

void throughRelay(PrivateCups& cups, SchedulerRelay::Answers answers) {
  const std::string socket = cups.dir() + "/relay.sock";
  relay = std::make_unique<SchedulerRelay>(socket, cups.socket());
  relay->set(answers);
  setenv("CUPS_SERVER", socket.c_str(), 1);
  platform::useSpoolerServer("");
}

// The queue stopped, so that a job the scheduler took stays in it, behind a relay that passes
// the scheduler's answers.
void stoppedQueueThroughRelay(PrivateCups& cups) {
  cups.tool("cupsdisable", kQueue);
  throughRelay(cups, SchedulerRelay::Answers::Passed);
}

// Who acts after the fault: the same window, the window started again (a spooler that knows
// nothing of the first), or the command line, a process of its own.
enum class Next { SameWindow, RestartedWindow, CommandLine };

struct FaultCase {
  const char* name;
  std::function<void(PrivateCups&)> before;
  std::function<void(PrivateCups&)> afterStartDoc;
  // The message after the readiness prompt, "" for none; a message ending in the spooler's
  // reason is matched up to it, and the reason must hold reasonHas.
  std::string message;
  const char* reasonHas;
  std::function<void(PrivateCups&)> mend;
  // Whole settings jobs the printer ends up with, the next Apply Settings' included.
  std::size_t jobsPrinted;
  Next next = Next::SameWindow;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
  *os << c.name;
}

class SpoolerFaults : public PrivateCupsTest, public ::testing::WithParamInterface<FaultCase> {
 protected:
  void TearDown() override {
    relay.reset();
    PrivateCupsTest::TearDown();
  }

  // One Apply Settings: the messages it showed after the prompt and its pauses.
  static std::pair<std::vector<std::string>, std::vector<int>> apply(
      platform::Spooler& spooler, RecordingDownloadWindow& window) {
    ScriptedMessageBoxes boxes;
    FakeSleeper sleeper;
    platform::Platform platform{spooler, boxes, sleeper};
    mdlFlagSettings::applySettings(platform::kLeftButton, platform, window);
    std::vector<std::string> shown;
    for (std::size_t i = 1; i < boxes.shown.size(); ++i) shown.push_back(boxes.shown[i].text);
    return {shown, sleeper.pauses};
  }

  HookedSpooler spooler;
  RecordingDownloadWindow window;
};

}  // namespace

// Every fault ends in its message or none, never in a lost job passed off as sent; once the
// fault is mended the next Apply Settings sends its job, and the printer has received only
// whole settings commands, none of them twice.
TEST_P(SpoolerFaults, TheUserIsToldAndTheNextApplyWorks) {
  const FaultCase& c = GetParam();
  cups().addQueue(kQueue);
  if (c.before) c.before(cups());
  PrivateCups& scheduler = cups();
  if (c.afterStartDoc) {
    spooler.afterStartDoc = [&] {
      c.afterStartDoc(scheduler);
      spooler.afterStartDoc = nullptr;
    };
  }

  const auto started = std::chrono::steady_clock::now();
  const auto [shown, pauses] = apply(spooler, window);
  // However the scheduler stalls, a request gives up within its few seconds in all.
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(8));
  if (c.message.empty()) {
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(std::vector<int>{2500}, pauses);
  } else {
    ASSERT_EQ(1u, shown.size());
    EXPECT_TRUE(pauses.empty());
    if (c.reasonHas) {
      EXPECT_EQ(c.message, shown[0].substr(0, c.message.size()));
      EXPECT_NE(std::string::npos, shown[0].find(c.reasonHas, c.message.size())) << shown[0];
    } else {
      EXPECT_EQ(c.message, shown[0]);
    }
  }

  if (c.mend) c.mend(cups());
  if (c.next == Next::CommandLine) {
    const ProgramRun run = runProgram({"apply"});
    EXPECT_EQ(0, run.status) << run.err;
  } else {
    platform::cups::CupsSpooler restarted;
    RecordingDownloadWindow restartedWindow;
    const bool same = c.next == Next::SameWindow;
    const auto [shownNext, pausesNext] =
        apply(same ? static_cast<platform::Spooler&>(spooler) : restarted,
              same ? window : restartedWindow);
    EXPECT_TRUE(shownNext.empty()) << shownNext.front();
    EXPECT_EQ(std::vector<int>{2500}, pausesNext);
  }
  // A queue a row stopped takes jobs again only now, after the next action had its turn.
  cups().tool("cupsenable", kQueue);

  const auto jobs = cups().jobs();
  ASSERT_FALSE(jobs.empty());
  cups().printed(jobs.back().id);
  const std::vector<std::string> printed = cups().everythingPrinted();
  EXPECT_EQ(c.jobsPrinted, printed.size());
  for (const std::string& job : printed) {
    EXPECT_EQ(kDefaultSettingsCommandHex, job.substr(job.find(": ") + 2)) << job;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SpoolerFaults,
    ::testing::Values(
        FaultCase{"QueueRejectingJobs", [](PrivateCups& cups) { cups.tool("cupsreject", kQueue); },
                  nullptr, kNotAccepted, "not accepting jobs",
                  [](PrivateCups& cups) { cups.tool("cupsaccept", kQueue); }, 1},
        // A stopped queue takes the job and keeps it until it is started again.
        FaultCase{"QueueDisabled", [](PrivateCups& cups) { cups.tool("cupsdisable", kQueue); },
                  nullptr, "", nullptr,
                  [](PrivateCups& cups) {
                    cups.tool("cupsenable", kQueue);
                    cups.printed(cups.jobs().back().id);
                  },
                  2},
        FaultCase{"SchedulerKilledBeforePrintJob", nullptr, [](PrivateCups& cups) { cups.kill(); },
                  kNotAccepted, "", [](PrivateCups& cups) { cups.start(); }, 1},
        FaultCase{"SchedulerFrozenThroughout", [](PrivateCups& cups) { cups.freeze(); }, nullptr,
                  kOpenFailed, nullptr, [](PrivateCups& cups) { cups.thaw(); }, 1},
        FaultCase{"SchedulerFrozenBeforePrintJobThenThawed", nullptr,
                  [](PrivateCups& cups) { cups.freeze(); }, kNotAccepted, "did not answer in time",
                  [](PrivateCups& cups) { cups.thaw(); }, 1},
        FaultCase{"SchedulerRestartedBetweenApplies", nullptr, nullptr, "", nullptr,
                  [](PrivateCups& cups) {
                    cups.stop();
                    cups.start();
                  },
                  2},
        FaultCase{"DefaultQueueDeletedAfterStartUp",
                  [](PrivateCups& cups) { cups.removeQueue(kQueue); }, nullptr, kNoPrinter, nullptr,
                  [](PrivateCups& cups) { cups.addQueue(kQueue); }, 1},
        FaultCase{"ServerNamingAMissingSocket", pointAtMissingSocket, nullptr, kOpenFailed, nullptr,
                  pointAtScheduler, 1},
        FaultCase{"SchedulerTricklingItsAnswers",
                  [](PrivateCups& cups) { throughRelay(cups, SchedulerRelay::Answers::Trickled); },
                  nullptr, kOpenFailed, nullptr,
                  [](PrivateCups&) { relay->set(SchedulerRelay::Answers::Passed); }, 1},
        // The scheduler took the whole job but its answer was lost: the job may print, so the
        // next to open the queue cancels it before it counts the queue's jobs.
        FaultCase{"AnswerLostThenTheRestartedWindow", stoppedQueueThroughRelay,
                  [](PrivateCups&) { relay->set(SchedulerRelay::Answers::NextLost); }, kNotAccepted,
                  "The scheduler did not answer in time; the job may still print.", nullptr, 1,
                  Next::RestartedWindow},
        FaultCase{"AnswerCutInHalfThenTheSameWindow", stoppedQueueThroughRelay,
                  [](PrivateCups&) { relay->set(SchedulerRelay::Answers::NextHalved); },
                  kNotAccepted, "The scheduler's answer was cut off; the job may still print.",
                  nullptr, 1},
        FaultCase{"AnswerLostThenTheCommandLine", stoppedQueueThroughRelay,
                  [](PrivateCups&) { relay->set(SchedulerRelay::Answers::NextLost); }, kNotAccepted,
                  "The scheduler did not answer in time; the job may still print.", nullptr, 1,
                  Next::CommandLine}),
    [](const auto& row) { return std::string(row.param.name); });

// An answer to Print-Job is believed only when it names a job: one without a valid number is
// not taken as sent. The scheduler's words on a refusal reach the caller without the control
// characters that could drive a terminal.
TEST(SchedulerAnswers, NoJobIsSentWithoutAValidNumberAndReasonsComePlain) {
  struct Case {
    const char* what;
    std::function<void(ipp_t*)> answerPrintJob;
    const char* reasonHas;
  };
  const char* const kNoNumber = "The scheduler accepted the job but gave it no valid number.";
  const Case cases[] = {
      {"no job-id", [](ipp_t*) {}, kNoNumber},
      {"job-id -7",
       [](ipp_t* response) { ippAddInteger(response, IPP_TAG_JOB, IPP_TAG_INTEGER, "job-id", -7); },
       kNoNumber},
      {"a refusal full of escape codes",
       [](ipp_t* response) {
         ippSetStatusCode(response, IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS);
         ippAddString(response, IPP_TAG_OPERATION, IPP_TAG_TEXT, "status-message", nullptr,
                      "\x1B[31mRefused\x1B[0m \x1B]0;title\x07by\r\nthe\x7F scheduler\x07");
       },
       "Refused"},
  };
  char dir[] = "/tmp/mrl770-fake-scheduler-XXXXXX";
  ASSERT_TRUE(mkdtemp(dir));
  const std::string socket = std::string(dir) + "/scheduler.sock";
  platform::useSpoolerServer(socket);

  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const FakeScheduler scheduler(socket, c.answerPrintJob);
    platform::cups::CupsSpooler spooler;
    ScriptedMessageBoxes boxes;
    FakeSleeper sleeper;
    platform::Platform platform{spooler, boxes, sleeper};

    const printjob::PrintResult result =
        printjob::RawPrintJob(platform, "Doc", {"\x1B\x19\x01"}, printjob::BusyCheck::Skip);

    EXPECT_EQ(printjob::PrintOutcome::NotAccepted, result.outcome);
    EXPECT_EQ(0, result.jobId);
    EXPECT_NE(std::string::npos, result.reason.find(c.reasonHas)) << result.reason;
    for (const unsigned char byte : result.reason) {
      EXPECT_TRUE(byte >= 0x20 && byte != 0x7F) << result.reason;
    }
  }
  unlink(socket.c_str());
  rmdir(dir);
}

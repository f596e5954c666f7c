// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <stdlib.h>

#include <chrono>
#include <fstream>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "ProgramRun.h"
#include "cups/PrivateCups.h"
#include "fakes/Bytes.h"

namespace {

constexpr const char* kQueue = "Zel_MRL_770";
constexpr const char* kSettingsJob = "Permanent Settings Configuration";

// mrl770-settings against a private scheduler, which the program finds through the
// environment unless it is told the server.
class ProgramAgainstCups : public PrivateCupsTest {
 protected:
  std::vector<std::string> jobNames() {
    std::vector<std::string> names;
    for (const PrivateCups::Job& job : cups().jobs()) names.push_back(job.name);
    return names;
  }

  // The run ended in "QUEUE-ID" for the scheduler's only job, named NAME, and the printer got
  // BYTES.
  void expectOnlyJob(const ProgramRun& run, const std::string& queue, const std::string& name,
                     const std::string& bytes) {
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ("", run.err);
    const auto jobs = cups().jobs();
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ(queue + "-" + std::to_string(jobs[0].id) + "\n", run.out);
    EXPECT_EQ(name, jobs[0].name);
    EXPECT_EQ(hex(bytes), hex(cups().printed(jobs[0].id)));
  }

  static std::string fromHex(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); i += 3) {
      bytes += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
    }
    return bytes;
  }
};

}  // namespace

TEST_F(ProgramAgainstCups, ApplySendsTheDefaultsToTheDefaultPrinter) {
  cups().addQueue(kQueue);
  expectOnlyJob(runProgram({"apply"}), kQueue, kSettingsJob, fromHex(kDefaultSettingsCommandHex));
}

TEST_F(ProgramAgainstCups, ApplyToANamedQueueLeavesTheDefaultAlone) {
  cups().addQueue("Second");
  cups().addQueue(kQueue);
  // Were the job to go to the default, the spooler would refuse it.
  cups().tool("cupsreject", kQueue);

  const ProgramRun run = runProgram({"apply", "Emulation=IBM", "-d", "Second"});

  expectOnlyJob(run, "Second", kSettingsJob,
                fromHex(runProgram({"encode", "Emulation=IBM"}).out.substr(0, 44)));
}

TEST_F(ProgramAgainstCups, ServerOptionOverridesTheEnvironment) {
  cups().addQueue(kQueue);
  setenv("CUPS_SERVER", (cups().dir() + "/missing.sock").c_str(), 1);

  const ProgramRun unreached = runProgram({"apply"});
  EXPECT_EQ(4, unreached.status);
  const ProgramRun run = runProgram({"apply", "-h", cups().socket()});

  expectOnlyJob(run, kQueue, kSettingsJob, fromHex(kDefaultSettingsCommandHex));
}

TEST_F(ProgramAgainstCups, BusyQueueIsRefusedAndGetsNoJob) {
  cups().addQueue(kQueue);
  cups().holdJob(kQueue, "waiting job");

  const ProgramRun run = runProgram({"apply"});

  EXPECT_EQ(3, run.status);
  EXPECT_EQ("", run.out);
  EXPECT_EQ("mrl770-settings: queue \"Zel_MRL_770\" is busy with other jobs; nothing was sent\n",
            run.err);
  EXPECT_EQ(std::vector<std::string>{"waiting job"}, jobNames());
}

TEST_F(ProgramAgainstCups, MissingQueueCannotBeOpened) {
  cups().addQueue(kQueue);

  const ProgramRun run = runProgram({"apply", "--printer", "Missing", "-h", cups().socket()});

  EXPECT_EQ(4, run.status);
  // The scheduler's own reason, as lp gives it.
  EXPECT_EQ("mrl770-settings: cannot open queue \"Missing\" on server \"" + cups().socket() +
                "\": The printer or class does not exist.\n",
            run.err);
  EXPECT_TRUE(jobNames().empty());
}

TEST_F(ProgramAgainstCups, QueueRejectingJobsGivesTheSpoolersReason) {
  cups().addQueue(kQueue);
  cups().tool("cupsreject", kQueue);

  const ProgramRun run = runProgram({"apply"});

  EXPECT_EQ(4, run.status);
  EXPECT_EQ("", run.out);
  const std::string lost = "mrl770-settings: queue \"Zel_MRL_770\" did not accept the job: ";
  EXPECT_EQ(lost, run.err.substr(0, lost.size()));
  EXPECT_NE(std::string::npos, run.err.find("not accepting jobs", lost.size())) << run.err;
  EXPECT_TRUE(jobNames().empty());
}

TEST_F(ProgramAgainstCups, ApplyFromASavedCommandSendsItsBytes) {
  cups().addQueue(kQueue);
  const ProgramRun saved = runProgram({"encode", "--raw", "FontType=LQ", "NLQFontType=Script",
                                       "Pitch=12 CPI", "Interface=USB", "CopyMode=Enable"});
  ASSERT_EQ(0, saved.status);
  const std::string file = cups().dir() + "/profile.bin";
  std::ofstream(file, std::ios::binary) << saved.out;

  expectOnlyJob(runProgram({"apply", "--from", file}), kQueue, kSettingsJob, saved.out);
}

TEST_F(ProgramAgainstCups, WaitsUntilTheJobIsCompleted) {
  cups().addQueue(kQueue);

  const ProgramRun run = runProgram({"apply", "--wait"});

  ASSERT_EQ(1u, cups().jobs().size());
  const std::string job = std::string(kQueue) + "-" + std::to_string(cups().jobs()[0].id);
  EXPECT_EQ(0, run.status) << run.err;
  EXPECT_EQ(job + "\n" + job + " completed\n", run.out);
}

TEST_F(ProgramAgainstCups, WaitEndsWhenTheHeldJobIsCancelled) {
  cups().addQueue(kQueue);
  // A stopped queue keeps the page until it is cancelled.
  cups().tool("cupsdisable", kQueue);

  auto waiting = std::async(std::launch::async, [] {
    return runProgram({"features", "--wait", "--timeout", "30", "--json"});
  });
  std::vector<PrivateCups::Job> jobs;
  for (int attempt = 0; attempt < 500 && jobs.empty(); ++attempt) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    jobs = cups().jobs();
  }
  ASSERT_EQ(1u, jobs.size());
  cups().tool("cancel", std::to_string(jobs[0].id));
  const ProgramRun run = waiting.get();

  EXPECT_EQ(6, run.status);
  EXPECT_EQ("{\"queue\": \"Zel_MRL_770\", \"job\": " + std::to_string(jobs[0].id) +
                ", \"outcome\": \"sent\", \"state\": \"cancelled\", \"timedOut\": false}\n",
            run.out);
  EXPECT_EQ(0u, run.err.find("mrl770-settings: job Zel_MRL_770-" + std::to_string(jobs[0].id) +
                             " was cancelled"))
      << run.err;
}

// Each queue has its job at once, in a thread of its own with its own busy check and pause:
// one after the other, the two pauses alone would take 5 s.
TEST_F(ProgramAgainstCups, ApplySendsToSeveralQueuesAtOnce) {
  for (const char* queue : {"Back", "Front", "Side"}) cups().addQueue(queue);
  cups().holdJob("Side", "waiting job");

  const auto start = std::chrono::steady_clock::now();
  const ProgramRun run = runProgram({"apply", "--json", "-d", "Side", "-d", "Front", "-d", "Back"});
  const auto took = std::chrono::steady_clock::now() - start;

  EXPECT_EQ(3, run.status);
  EXPECT_LT(took, std::chrono::milliseconds(5000));
  const auto jobs = cups().jobs();
  ASSERT_EQ(3u, jobs.size());
  int front = 0, back = 0;
  for (const PrivateCups::Job& job : jobs) {
    if (job.name != kSettingsJob) continue;
    EXPECT_EQ(kDefaultSettingsCommandHex, hex(cups().printed(job.id)));
    (run.out.find("\"Front\", \"job\": " + std::to_string(job.id)) != std::string::npos ? front
                                                                                        : back) =
        job.id;
  }
  EXPECT_EQ(
      "{\"queue\": \"Side\", \"job\": null, \"outcome\": \"busy\"}\n"
      "{\"queue\": \"Front\", \"job\": " +
          std::to_string(front) +
          ", \"outcome\": \"sent\"}\n"
          "{\"queue\": \"Back\", \"job\": " +
          std::to_string(back) + ", \"outcome\": \"sent\"}\n",
      run.out);
  EXPECT_EQ("mrl770-settings: queue \"Side\" is busy with other jobs; nothing was sent\n", run.err);
}

// Only the queues whose description names the printer, case and blanks aside, by name.
TEST_F(ProgramAgainstCups, ApplyToAllTakesTheQueuesOfThePrinter) {
  cups().addQueue("Office", "zel mrl770 upstairs");
  cups().addQueue("Laser", "Laser Printer");
  cups().addQueue("Counter", "Zel MRL 770");

  const ProgramRun run = runProgram({"apply", "--all"});

  EXPECT_EQ(0, run.status) << run.err;
  const auto jobs = cups().jobs();
  ASSERT_EQ(2u, jobs.size());
  const bool counterFirst = run.out.rfind("Counter-" + std::to_string(jobs[0].id), 0) == 0;
  const int counter = counterFirst ? jobs[0].id : jobs[1].id;
  const int office = counterFirst ? jobs[1].id : jobs[0].id;
  EXPECT_EQ("Counter-" + std::to_string(counter) + "\nOffice-" + std::to_string(office) + "\n",
            run.out);
}

namespace {

struct EmulationCase {
  const char* emulation;
  const char* documentName;
};

void PrintTo(const EmulationCase& c, std::ostream* os) {
  *os << c.emulation;
}

class FeaturesPage : public ProgramAgainstCups,
                     public ::testing::WithParamInterface<EmulationCase> {};

}  // namespace

TEST_P(FeaturesPage, PrintedUnderItsNameIsThePageWrittenOut) {
  cups().addQueue(kQueue);
  const ProgramRun page =
      runProgram({"features", "--emulation", GetParam().emulation, "--out", "-"});
  ASSERT_EQ(0, page.status);

  expectOnlyJob(runProgram({"features", "--emulation", GetParam().emulation}), kQueue,
                GetParam().documentName, page.out);
}

INSTANTIATE_TEST_SUITE_P(Emulations, FeaturesPage,
                         ::testing::Values(EmulationCase{"ESC/P", "MRL 770 FEATURS"},
                                           EmulationCase{"IBM", "MRL 770 FEATURES"}),
                         [](const auto& row) {
                           return std::string(row.param.emulation[0] == 'E' ? "EscP" : "Ibm");
                         });

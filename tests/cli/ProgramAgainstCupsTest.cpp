#include <gtest/gtest.h>

#include <stdlib.h>

#include <fstream>
#include <string>
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

  // The run ended in "sent to QUEUE as job N" for the scheduler's only job, named NAME, and
  // the printer got BYTES.
  void expectOnlyJob(const ProgramRun& run, const std::string& queue, const std::string& name,
                     const std::string& bytes) {
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ("", run.err);
    const auto jobs = cups().jobs();
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ("sent to " + queue + " as job " + std::to_string(jobs[0].id) + "\n", run.out);
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

  const ProgramRun run = runProgram({"apply", "Emulation=IBM", "--printer", "Second"});

  expectOnlyJob(run, "Second", kSettingsJob,
                fromHex(runProgram({"encode", "Emulation=IBM"}).out.substr(0, 44)));
}

TEST_F(ProgramAgainstCups, ServerOptionOverridesTheEnvironment) {
  cups().addQueue(kQueue);
  setenv("CUPS_SERVER", (cups().dir() + "/missing.sock").c_str(), 1);

  const ProgramRun unreached = runProgram({"apply"});
  EXPECT_EQ(4, unreached.status);
  const ProgramRun run = runProgram({"apply", "--server", cups().socket()});

  expectOnlyJob(run, kQueue, kSettingsJob, fromHex(kDefaultSettingsCommandHex));
}

TEST_F(ProgramAgainstCups, BusyQueueIsRefusedAndGetsNoJob) {
  cups().addQueue(kQueue);
  cups().holdJob(kQueue, "waiting job");

  const ProgramRun run = runProgram({"apply"});

  EXPECT_EQ(3, run.status);
  EXPECT_EQ("", run.out);
  EXPECT_NE(std::string::npos, run.err.find("Printer is busy")) << run.err;
  EXPECT_EQ(std::vector<std::string>{"waiting job"}, jobNames());
}

TEST_F(ProgramAgainstCups, MissingQueueCannotBeOpened) {
  cups().addQueue(kQueue);

  const ProgramRun run = runProgram({"apply", "--printer", "Missing"});

  EXPECT_EQ(4, run.status);
  EXPECT_EQ("OpenPrinter Failed!!!\nUnable to access printer\n", run.err);
  EXPECT_TRUE(jobNames().empty());
}

TEST_F(ProgramAgainstCups, QueueRejectingJobsGivesTheSpoolersReason) {
  cups().addQueue(kQueue);
  cups().tool("cupsreject", kQueue);

  const ProgramRun run = runProgram({"apply"});

  EXPECT_EQ(4, run.status);
  EXPECT_EQ("", run.out);
  const std::string lost =
      "Unable to download printer settings.\n\nThe print spooler did not accept the job: ";
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

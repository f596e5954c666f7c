// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <stdlib.h>

#include <functional>
#include <string>
#include <vector>

#include "cups/PrivateCups.h"
#include "download/DownloadSettings.h"
#include "fakes/Bytes.h"
#include "fakes/FakeSleeper.h"
#include "fakes/RecordingDownloadWindow.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "features/FeaturesPages.h"
#include "features/PrintFeatures.h"
#include "platform/MouseButton.h"
#include "platform/cups/CupsSpooler.h"
#include "printjob/Messages.h"

using features::FeaturesPage;
using settings::Box;

namespace {

constexpr const char* kQueue = "Zel_MRL_770";
constexpr settings::Selection kIbm = 0;
constexpr settings::Selection kEscP = 1;

// The real spooler against a private scheduler; our own pause, message boxes and window.
class FeaturesAgainstCups : public PrivateCupsTest {
 protected:
  void printFeatures(settings::Selection emulation) {
    window.boxes.setSelection(Box::Emulation, emulation);
    features::printFeatures(platform::kLeftButton, platform, window.boxes);
  }

  std::vector<std::string> jobNames() {
    std::vector<std::string> names;
    for (const PrivateCups::Job& job : cups().jobs()) names.push_back(job.name);
    return names;
  }

  void expectShown(const messages::Message& message, std::size_t at) {
    ASSERT_LT(at, boxes.shown.size());
    EXPECT_EQ(message.text, boxes.shown[at].text);
    EXPECT_EQ(message.title, boxes.shown[at].title);
    EXPECT_EQ(message.style, boxes.shown[at].style);
  }

  // The printer got the title block then the body block, nothing added, nothing lost.
  void expectPrinted(const FeaturesPage& page, int jobId) {
    const std::string expected = page.title + page.body;
    // The page's own NUL bytes are what a careless spooler would cut short.
    ASSERT_NE(std::string::npos, expected.find('\0'));
    EXPECT_EQ(hex(expected), hex(cups().printed(jobId)));
  }

  platform::cups::CupsSpooler spooler;
  ScriptedMessageBoxes boxes;
  FakeSleeper sleeper;
  platform::Platform platform{spooler, boxes, sleeper};
  RecordingDownloadWindow window;
};

struct EmulationCase {
  const char* name;
  settings::Selection emulation;
  const char* documentName;
  FeaturesPage (*page)();
};

void PrintTo(const EmulationCase& c, std::ostream* os) {
  *os << c.name;
}

class PageOfTheEmulation : public FeaturesAgainstCups,
                           public ::testing::WithParamInterface<EmulationCase> {};

}  // namespace

TEST_P(PageOfTheEmulation, ArrivesAsOneJobWithBothBlocksInOrder) {
  cups().addQueue(kQueue);
  printFeatures(GetParam().emulation);

  ASSERT_EQ(1u, boxes.shown.size());
  expectShown(messages::readinessPrompt(), 0);
  const auto jobs = cups().jobs();
  ASSERT_EQ(1u, jobs.size());
  EXPECT_EQ(GetParam().documentName, jobs[0].name);
  expectPrinted(GetParam().page(), jobs[0].id);
  EXPECT_TRUE(sleeper.pauses.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Emulations, PageOfTheEmulation,
    ::testing::Values(EmulationCase{"EscP", kEscP, "MRL 770 FEATURS", features::escPFeaturesPage},
                      EmulationCase{"Ibm", kIbm, "MRL 770 FEATURES", features::ibmFeaturesPage}),
    [](const auto& row) { return std::string(row.param.name); });

namespace {

struct OccupiedCase {
  const char* name;
  std::function<void(PrivateCups&)> occupy;
  // A held job lets the queue print what comes after it; a stopped queue keeps everything.
  bool printsPastIt;
};

void PrintTo(const OccupiedCase& c, std::ostream* os) {
  *os << c.name;
}

class OccupiedQueue : public FeaturesAgainstCups,
                      public ::testing::WithParamInterface<OccupiedCase> {};

}  // namespace

TEST_P(OccupiedQueue, StillGetsThePageQueued) {
  cups().addQueue(kQueue);
  GetParam().occupy(cups());

  printFeatures(kEscP);

  ASSERT_EQ(1u, boxes.shown.size());
  expectShown(messages::readinessPrompt(), 0);
  const auto jobs = cups().jobs();
  ASSERT_EQ(2u, jobs.size());
  EXPECT_EQ("waiting job", jobs[0].name);
  EXPECT_EQ("MRL 770 FEATURS", jobs[1].name);
  if (GetParam().printsPastIt) expectPrinted(features::escPFeaturesPage(), jobs[1].id);
}

INSTANTIATE_TEST_SUITE_P(
    Queues, OccupiedQueue,
    ::testing::Values(
        OccupiedCase{"HeldJob", [](PrivateCups& cups) { cups.holdJob(kQueue, "waiting job"); },
                     true},
        OccupiedCase{"StoppedQueue",
                     [](PrivateCups& cups) { cups.stopQueueWithJob(kQueue, "waiting job"); },
                     false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(FeaturesAgainstCups, CancelAtThePromptCreatesNoJob) {
  cups().addQueue(kQueue);
  boxes.answers = {platform::Answer::Cancel};

  printFeatures(kEscP);

  EXPECT_EQ(1u, boxes.shown.size());
  EXPECT_TRUE(jobNames().empty());
}

namespace {

struct FailureCase {
  const char* name;
  std::function<void(PrivateCups&)> arrange;
  const messages::Message& (*message)();
  const char* title;
  // False when the scheduler is gone and its jobs cannot be counted.
  bool schedulerRunning;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << c.name;
}

class UnusablePrinter : public FeaturesAgainstCups,
                        public ::testing::WithParamInterface<FailureCase> {};

}  // namespace

TEST_P(UnusablePrinter, ShowsItsMessageAfterThePromptAndSendsNothing) {
  GetParam().arrange(cups());

  printFeatures(kIbm);

  ASSERT_EQ(2u, boxes.shown.size());
  expectShown(messages::readinessPrompt(), 0);
  expectShown(GetParam().message(), 1);
  EXPECT_EQ(GetParam().title, boxes.shown[1].title);
  EXPECT_EQ(16, boxes.shown[1].style);  // OK, stop icon
  if (GetParam().schedulerRunning) {
    EXPECT_TRUE(jobNames().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Schedulers, UnusablePrinter,
    ::testing::Values(FailureCase{"NoPrinterAtAll", [](PrivateCups&) {}, messages::noPrinter,
                                  "Zel MRL 770", true},
                      FailureCase{"DefaultNamesAQueueThatIsGone",
                                  [](PrivateCups& cups) {
                                    cups.addQueue(kQueue);
                                    setenv("PRINTER", "Gone", 1);
                                  },
                                  messages::openFailed, "Printer Configuration Utility", true},
                      FailureCase{"StoppedScheduler",
                                  [](PrivateCups& cups) {
                                    cups.addQueue(kQueue);
                                    cups.stop();
                                  },
                                  messages::openFailed, "Printer Configuration Utility", false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(FeaturesAgainstCups, AnEmulationChosenButNotAppliedDecidesThePage) {
  cups().addQueue(kQueue);
  window.boxes.setSelection(Box::Emulation, kEscP);
  mdlFlagSettings::applySettings(platform::kLeftButton, platform, window);

  printFeatures(kIbm);

  const auto jobs = cups().jobs();
  ASSERT_EQ(2u, jobs.size());
  EXPECT_EQ("Permanent Settings Configuration", jobs[0].name);
  EXPECT_EQ("MRL 770 FEATURES", jobs[1].name);
  expectPrinted(features::ibmFeaturesPage(), jobs[1].id);
}

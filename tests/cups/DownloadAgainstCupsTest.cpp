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
#include "platform/MouseButton.h"
#include "platform/cups/CupsSpooler.h"
#include "printjob/Messages.h"

using mdlFlagSettings::applySettings;
using mdlFlagSettings::restoreDefault;
using settings::Box;

namespace {

constexpr const char* kQueue = "Zel_MRL_770";
constexpr const char* kSettingsJob = "Permanent Settings Configuration";

// What the window looked like while a message box was up.
struct WindowAtMessage {
  std::string text;
  bool waitNoticeShown;
  bool applySettingsEnabled;
  bool backgroundEnabled;
};

// The real spooler against a private scheduler; our own pause, message boxes and window.
class DownloadAgainstCups : public PrivateCupsTest {
 protected:
  DownloadAgainstCups() {
    boxes.whileShown = [this](const ScriptedMessageBoxes::Shown& shown) {
      seen.push_back({shown.text, window.waitNoticeShown, window.applySettingsEnabled,
                      window.backgroundEnabled});
    };
  }

  // Picks entries other than the defaults, as a user would.
  void changeSelections() {
    window.boxes.setSelection(Box::Emulation, 0);
    window.boxes.setSelection(Box::PageLength, 0);
    ASSERT_NE(defaults(), window.boxes.selections());
  }

  static settings::Selections defaults() { return RecordingDownloadWindow().boxes.selections(); }

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

  // The settings job is the only job and the printer got exactly the command for the defaults.
  void expectDefaultsPrinted() {
    const auto jobs = cups().jobs();
    ASSERT_EQ(1u, jobs.size());
    EXPECT_EQ(kSettingsJob, jobs[0].name);
    EXPECT_EQ(kDefaultSettingsCommandHex, hex(cups().printed(jobs[0].id)));
  }

  platform::cups::CupsSpooler spooler;
  ScriptedMessageBoxes boxes;
  FakeSleeper sleeper;
  platform::Platform platform{spooler, boxes, sleeper};
  RecordingDownloadWindow window;
  std::vector<WindowAtMessage> seen;
};

}  // namespace

TEST_F(DownloadAgainstCups, ApplySettingsSendsTheDefaultsAsOneJobThenPauses) {
  cups().addQueue(kQueue);
  applySettings(platform::kLeftButton, platform, window);

  expectDefaultsPrinted();
  EXPECT_EQ(std::vector<int>{2500}, sleeper.pauses);
  ASSERT_EQ(1u, boxes.shown.size());
  expectShown(messages::readinessPrompt(), 0);
}

namespace {

struct BusyCase {
  const char* name;
  std::function<void(PrivateCups&)> occupy;
};

void PrintTo(const BusyCase& c, std::ostream* os) {
  *os << c.name;
}

class BusyPrinter : public DownloadAgainstCups, public ::testing::WithParamInterface<BusyCase> {
 protected:
  void SetUp() override {
    DownloadAgainstCups::SetUp();
    if (IsSkipped()) return;
    cups().addQueue(kQueue);
    GetParam().occupy(cups());
  }

  // The busy message, shown with the window usable again; nothing sent, nothing paused.
  void expectBusy() {
    ASSERT_EQ(2u, boxes.shown.size());
    expectShown(messages::printerBusy(), 1);
    ASSERT_EQ(2u, seen.size());
    EXPECT_FALSE(seen[1].waitNoticeShown);
    EXPECT_TRUE(seen[1].applySettingsEnabled);
    EXPECT_TRUE(seen[1].backgroundEnabled);
    EXPECT_TRUE(sleeper.pauses.empty());
    EXPECT_EQ(std::vector<std::string>{"waiting job"}, jobNames());
  }
};

}  // namespace

TEST_P(BusyPrinter, ApplySettingsShowsTheBusyMessageAndSendsNothing) {
  applySettings(platform::kLeftButton, platform, window);
  expectBusy();
}

TEST_P(BusyPrinter, RestoreDefaultShowsTheDefaultsAndTheBusyMessage) {
  changeSelections();
  restoreDefault(platform::kLeftButton, platform, window);
  expectBusy();
  EXPECT_EQ(defaults(), window.boxes.selections());
}

INSTANTIATE_TEST_SUITE_P(Queues, BusyPrinter,
                         ::testing::Values(BusyCase{"HeldJob",
                                                    [](PrivateCups& cups) {
                                                      cups.holdJob(kQueue, "waiting job");
                                                    }},
                                           BusyCase{"StoppedQueue",
                                                    [](PrivateCups& cups) {
                                                      cups.stopQueueWithJob(kQueue, "waiting job");
                                                    }}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(DownloadAgainstCups, NoPrinterAtAllShowsTheNoPrinterMessageUnderTheProgramsTitle) {
  applySettings(platform::kLeftButton, platform, window);

  ASSERT_EQ(2u, boxes.shown.size());
  expectShown(messages::noPrinter(), 1);
  EXPECT_EQ("Zel MRL 770", boxes.shown[1].title);
  EXPECT_TRUE(sleeper.pauses.empty());
  EXPECT_TRUE(jobNames().empty());
}

namespace {

struct UnopenableCase {
  const char* name;
  std::function<void(PrivateCups&)> spoil;
  // Puts the scheduler back so that its jobs can be counted; null when it is gone for good.
  std::function<void(PrivateCups&)> recover;
};

void PrintTo(const UnopenableCase& c, std::ostream* os) {
  *os << c.name;
}

class UnopenablePrinter : public DownloadAgainstCups,
                          public ::testing::WithParamInterface<UnopenableCase> {};

}  // namespace

// The scheduler's answer arrives within the test's timeout even when it is frozen.
TEST_P(UnopenablePrinter, ApplySettingsShowsTheOpenFailedMessageOverTheWaitNotice) {
  cups().addQueue(kQueue);
  GetParam().spoil(cups());

  applySettings(platform::kLeftButton, platform, window);

  ASSERT_EQ(2u, boxes.shown.size());
  expectShown(messages::openFailed(), 1);
  ASSERT_EQ(2u, seen.size());
  EXPECT_TRUE(seen[1].waitNoticeShown);
  EXPECT_FALSE(seen[1].applySettingsEnabled);
  EXPECT_FALSE(seen[1].backgroundEnabled);
  EXPECT_TRUE(sleeper.pauses.empty());
  EXPECT_FALSE(window.waitNoticeShown);
  if (GetParam().recover) {
    GetParam().recover(cups());
    EXPECT_TRUE(jobNames().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Schedulers, UnopenablePrinter,
    ::testing::Values(
        UnopenableCase{"DefaultNamesAQueueThatIsGone",
                       [](PrivateCups&) { setenv("PRINTER", "Gone", 1); }, [](PrivateCups&) {}},
        UnopenableCase{"StoppedScheduler", [](PrivateCups& cups) { cups.stop(); }, nullptr},
        UnopenableCase{"FrozenScheduler", [](PrivateCups& cups) { cups.freeze(); },
                       [](PrivateCups& cups) { cups.thaw(); }}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(DownloadAgainstCups, RestoreDefaultCancelledChangesNothing) {
  cups().addQueue(kQueue);
  changeSelections();
  const settings::Selections before = window.boxes.selections();
  boxes.answers = {platform::Answer::Cancel};

  restoreDefault(platform::kLeftButton, platform, window);

  EXPECT_EQ(before, window.boxes.selections());
  EXPECT_EQ(1u, boxes.shown.size());
  EXPECT_TRUE(sleeper.pauses.empty());
  EXPECT_TRUE(jobNames().empty());
}

TEST_F(DownloadAgainstCups, RestoreDefaultResetsTheSelectionsThenSendsThem) {
  cups().addQueue(kQueue);
  changeSelections();

  restoreDefault(platform::kLeftButton, platform, window);

  EXPECT_EQ(defaults(), window.boxes.selections());
  expectDefaultsPrinted();
  EXPECT_EQ(std::vector<int>{2500}, sleeper.pauses);
}

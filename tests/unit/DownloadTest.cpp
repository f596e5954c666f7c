// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "download/DownloadSettings.h"
#include "fakes/Bytes.h"
#include "fakes/FakeSleeper.h"
#include "fakes/FakeSpooler.h"
#include "fakes/RecordingDownloadWindow.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "platform/MouseButton.h"
#include "printjob/RawPrintJob.h"

using platform::DefaultPrinter;
using printjob::BusyCheck;
using printjob::PrintOutcome;
using settings::Box;
using Calls = std::vector<std::string>;

namespace {

struct Download {
  FakeSpooler spooler;
  ScriptedMessageBoxes boxes;
  FakeSleeper sleeper;
  platform::Platform platform{spooler, boxes, sleeper};
  RecordingDownloadWindow window;

  // Each message box shown goes into the window's calls by a short name, so that the order
  // of window changes and messages can be checked as one list.
  Download() {
    boxes.whileShown = [this](const ScriptedMessageBoxes::Shown& shown) {
      window.calls.push_back(nameOf(shown));
    };
  }

  // The texts are written out here, not taken from the program, so that a changed character
  // shows as an unknown message.
  static std::string nameOf(const ScriptedMessageBoxes::Shown& shown) {
    const struct {
      const char* name;
      const char* text;
      const char* title;
      int style;
    } known[] = {
        {"prompt",
         "Please check whether the printer is :\r\n* Switched ON\r\n* In online mode\r\n"
         "* In Parallel or Autoshare interface\r\n\r\n"
         "To continue press OK else press Cancel to quit.",
         "Printer Configuration Utility", 65},
        {"busy",
         "Unable to download printer settings.\r\n\r\n"
         "Printer is busy with processing print jobs, please try once printer is free.",
         "Printer Configuration Utility", 16},
        {"openFailed", "OpenPrinter Failed!!!\r\nUnable to access printer",
         "Printer Configuration Utility", 16},
        {"noPrinter", "No printer drivers are installed.\r\nDownload Failed!!", "Zel MRL 770", 16},
        {"notAccepted",
         "Unable to download printer settings.\r\n\r\n"
         "The print spooler did not accept the job: refused at endDoc",
         "Printer Configuration Utility", 16},
    };
    for (const auto& message : known) {
      if (shown.text == message.text && shown.title == message.title &&
          shown.style == message.style) {
        return message.name;
      }
    }
    return "unknown message: " + shown.text;
  }
};

Calls operator+(Calls a, const Calls& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Calls kDocument = {"startDoc Doc", "startPage", "write", "write",
                         "endPage",      "endDoc",    "close"};

}  // namespace

TEST(RawPrintJob, CallsTheSpoolerInOrderAndClosesWhatItOpened) {
  struct Case {
    std::string what;
    std::function<void(FakeSpooler&)> arrange;
    Calls calls;
    PrintOutcome outcome;
    const char* message;
    std::string reason;
    std::string queue = "MRL 770";
    int jobId = 0;
  };
  const Calls opened = {"defaultPrinter", "open MRL 770", "queuedJobs"};
  const Calls sent = opened + kDocument;
  std::vector<Case> cases = {
      {"sent", [](FakeSpooler& s) { s.jobId = 12; }, sent, PrintOutcome::Sent, "", "", "MRL 770",
       12},
      {"busy", [](FakeSpooler& s) { s.jobsInQueue = 1; }, opened + Calls{"close"},
       PrintOutcome::Busy, "", ""},
      {"no printer",
       [](FakeSpooler& s) {
         s.defaultPrinterResult = {DefaultPrinter::Status::NoPrinter, ""};
       },
       {"defaultPrinter"},
       PrintOutcome::NoPrinter,
       "noPrinter",
       "",
       ""},
      {"no default",
       [](FakeSpooler& s) {
         s.defaultPrinterResult = {DefaultPrinter::Status::NoDefault, ""};
       },
       {"defaultPrinter"},
       PrintOutcome::OpenFailed,
       "openFailed",
       "",
       ""},
      {"unreachable",
       [](FakeSpooler& s) {
         s.defaultPrinterResult = {DefaultPrinter::Status::Unreachable, ""};
       },
       {"defaultPrinter"},
       PrintOutcome::OpenFailed,
       "openFailed",
       "",
       ""},
      // The spooler's words come without the control characters a server may put in them.
      {"open fails",
       [](FakeSpooler& s) {
         s.openFails = true;
         s.openError =
             "\x1B]0;gone\a\r\nNo such \xC2\x9B"
             "queue \xC3\xA9";
       },
       {"defaultPrinter", "open MRL 770"},
       PrintOutcome::OpenFailed,
       "openFailed",
       "]0;gone  No such queue \xC3\xA9"},
  };
  const auto upTo = [&sent](const std::string& step) {
    Calls calls;
    for (const std::string& call : sent) {
      calls.push_back(call);
      if (call.rfind(step, 0) == 0) break;
    }
    return calls;
  };
  // A throw at any step ends the job there without a message, closing an opened printer.
  const char* const steps[] = {"defaultPrinter", "open",  "queuedJobs", "startDoc",
                               "startPage",      "write", "endPage",    "endDoc"};
  for (const std::string step : steps) {
    const Calls upToThrow = upTo(step);
    const bool wasOpen = upToThrow.size() > 2;
    cases.push_back({"throw at " + step, [step](FakeSpooler& s) { s.throwAt = step; },
                     wasOpen ? upToThrow + Calls{"close"} : upToThrow, PrintOutcome::Failed, "", "",
                     ""});
  }
  // A step the spooler does not take ends the document there; the caller gets its reason.
  for (const std::string step : {"startDoc", "startPage", "write", "endPage", "endDoc"}) {
    cases.push_back({"refused at " + step, [step](FakeSpooler& s) { s.refuseAt = step; },
                     upTo(step) + Calls{"close"}, PrintOutcome::NotAccepted, "",
                     "refused at " + step});
  }

  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Download d;
    c.arrange(d.spooler);
    const printjob::PrintResult result = printjob::RawPrintJob(
        d.platform, "Doc", {std::string("\x1B\0", 2), "A"}, BusyCheck::Required);
    EXPECT_EQ(c.outcome, result.outcome);
    EXPECT_EQ(c.reason, result.reason);
    EXPECT_EQ(c.queue, result.queue);
    EXPECT_EQ(c.jobId, result.jobId);
    EXPECT_EQ(c.calls, d.spooler.calls);
    EXPECT_TRUE(d.spooler.allClosed());
    EXPECT_EQ(*c.message ? Calls{c.message} : Calls{}, d.window.calls);
  }
}

TEST(RawPrintJob, WritesEachByteStringOnceInOrder) {
  Download d;
  const std::vector<platform::ByteString> data = {std::string("\x1B\0\x01", 3), "", "AB"};
  EXPECT_EQ(PrintOutcome::Sent,
            printjob::RawPrintJob(d.platform, "Doc", data, BusyCheck::Required).outcome);
  EXPECT_EQ(data, d.spooler.written);
}

TEST(RawPrintJob, WithoutTheBusyCheckNeitherAsksNorMinds) {
  Download d;
  d.spooler.jobsInQueue = 3;
  EXPECT_EQ(PrintOutcome::Sent,
            printjob::RawPrintJob(d.platform, "Doc", {"A", "B"}, BusyCheck::Skip).outcome);
  EXPECT_EQ(Calls({"defaultPrinter", "open MRL 770"}) + kDocument, d.spooler.calls);
}

// Both actions over every outcome of the download: the window's changes and the messages in
// the order the user sees them, and the pause only after a sent job.
TEST(DownloadActions, WindowAndMessagesInOrderForEveryOutcome) {
  struct Case {
    const char* what;
    std::function<void(FakeSpooler&)> arrange;
    Calls duringDownload;
    std::vector<int> pauses;
  };
  const Calls usableAgain = {"enableApplySettings", "hideWaitNotice", "enableBackground",
                             "repaint"};
  const Calls busy = usableAgain + Calls{"busy"};
  const Case cases[] = {
      {"sent", [](FakeSpooler&) {}, {}, {2500}},
      {"busy", [](FakeSpooler& s) { s.jobsInQueue = 1; }, busy, {}},
      {"no printer",
       [](FakeSpooler& s) {
         s.defaultPrinterResult = {DefaultPrinter::Status::NoPrinter, ""};
       },
       {"noPrinter"},
       {}},
      {"unreachable",
       [](FakeSpooler& s) {
         s.defaultPrinterResult = {DefaultPrinter::Status::Unreachable, ""};
       },
       {"openFailed"},
       {}},
      {"open fails", [](FakeSpooler& s) { s.openFails = true; }, {"openFailed"}, {}},
      {"throw at queuedJobs", [](FakeSpooler& s) { s.throwAt = "queuedJobs"; }, {}, {}},
      {"throw at write", [](FakeSpooler& s) { s.throwAt = "write"; }, {}, {}},
      // A lost job is no success: no pause, and the window usable behind the message.
      {"not accepted",
       [](FakeSpooler& s) { s.refuseAt = "endDoc"; },
       usableAgain + Calls{"notAccepted"},
       {}},
  };
  const Calls applyBefore = {"prompt", "showWaitNotice", "repaint", "disableApplySettings",
                             "disableBackground"};
  const Calls applyAfter = {"hideWaitNotice", "enableApplySettings", "enableBackground"};
  // IntializeSelectionBoxes hides the wait notice.
  const Calls restoreBefore = {"prompt", "hideWaitNotice"};

  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    {
      Download d;
      c.arrange(d.spooler);
      mdlFlagSettings::applySettings(platform::kLeftButton, d.platform, d.window);
      EXPECT_EQ(applyBefore + c.duringDownload + applyAfter, d.window.calls) << "Apply Settings";
      EXPECT_EQ(c.pauses, d.sleeper.pauses) << "Apply Settings";
      EXPECT_TRUE(d.spooler.allClosed());
    }
    {
      Download d;
      c.arrange(d.spooler);
      mdlFlagSettings::restoreDefault(platform::kLeftButton, d.platform, d.window);
      EXPECT_EQ(restoreBefore + c.duringDownload, d.window.calls) << "Restore Default";
      EXPECT_EQ(c.pauses, d.sleeper.pauses) << "Restore Default";
      EXPECT_TRUE(d.spooler.allClosed());
    }
  }
}

TEST(DownloadActions, OnlyTheLeftButtonAndOkGoOn) {
  using Action = void (*)(int, platform::Platform&, mdlFlagSettings::DownloadWindow&);
  struct Case {
    const char* what;
    Action action;
    int button;
    Calls shown;
  };
  const Case cases[] = {
      {"Apply Settings, right button", mdlFlagSettings::applySettings, platform::kRightButton, {}},
      {"Apply Settings, middle button",
       mdlFlagSettings::applySettings,
       platform::kMiddleButton,
       {}},
      {"Apply Settings, Cancel", mdlFlagSettings::applySettings, platform::kLeftButton, {"prompt"}},
      {"Restore Default, right button",
       mdlFlagSettings::restoreDefault,
       platform::kRightButton,
       {}},
      {"Restore Default, middle button",
       mdlFlagSettings::restoreDefault,
       platform::kMiddleButton,
       {}},
      {"Restore Default, Cancel",
       mdlFlagSettings::restoreDefault,
       platform::kLeftButton,
       {"prompt"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Download d;
    d.window.boxes.setSelection(Box::PageLength, 0);
    const settings::Selections before = d.window.boxes.selections();
    d.window.calls.clear();
    d.boxes.answers = {platform::Answer::Cancel};

    c.action(c.button, d.platform, d.window);

    EXPECT_EQ(c.shown, d.window.calls);
    EXPECT_TRUE(d.spooler.calls.empty());
    EXPECT_TRUE(d.sleeper.pauses.empty());
    EXPECT_EQ(before, d.window.boxes.selections());
  }
}

TEST(DownloadActions, ApplySendsTheSelectionsAndRestoreSendsTheDefaults) {
  Download apply;
  apply.window.boxes.setSelection(Box::PageLength, 0);
  mdlFlagSettings::applySettings(platform::kLeftButton, apply.platform, apply.window);
  ASSERT_EQ(1u, apply.spooler.written.size());
  EXPECT_EQ("1B 19 01 00 82 B5 00 00 00 02 02 88 13 01 00", hex(apply.spooler.written[0]));
  EXPECT_EQ(Calls({"defaultPrinter", "open MRL 770", "queuedJobs",
                   "startDoc Permanent Settings Configuration"}),
            Calls(apply.spooler.calls.begin(), apply.spooler.calls.begin() + 4));

  Download restore;
  restore.window.boxes.setSelection(Box::PageLength, 0);
  mdlFlagSettings::restoreDefault(platform::kLeftButton, restore.platform, restore.window);
  ASSERT_EQ(1u, restore.spooler.written.size());
  EXPECT_EQ(kDefaultSettingsCommandHex, hex(restore.spooler.written[0]));
  EXPECT_EQ(RecordingDownloadWindow().boxes.selections(), restore.window.boxes.selections());
}

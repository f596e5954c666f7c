// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "fakes/FakeSleeper.h"
#include "fakes/FakeSpooler.h"
#include "fakes/RecordingSettingsView.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "features/FeaturesPages.h"
#include "features/PrintFeatures.h"
#include "platform/MouseButton.h"
#include "settings/SelectionBoxes.h"

using platform::Answer;
using platform::ByteString;
using settings::Box;
using Calls = std::vector<std::string>;

namespace {

constexpr settings::Selection kIbm = 0;
constexpr settings::Selection kEscP = 1;

struct Shown {
  std::string text;
  std::string title;
  int style;
  bool operator==(const Shown& other) const {
    return text == other.text && title == other.title && style == other.style;
  }
};

std::ostream& operator<<(std::ostream& out, const Shown& shown) {
  return out << '"' << shown.text << "\" / \"" << shown.title << "\" / " << shown.style;
}

const Shown kPrompt{
    "Please check whether the printer is :\r\n* Switched ON\r\n* In online mode\r\n"
    "* In Parallel or Autoshare interface\r\n\r\nTo continue press OK else press Cancel to quit.",
    "Printer Configuration Utility", 65};
const Shown kNoPrinter{"No printer drivers are installed.\r\nDownload Failed!!", "Zel MRL 770", 16};
const Shown kOpenFailed{"OpenPrinter Failed!!!\r\nUnable to access printer",
                        "Printer Configuration Utility", 16};

Calls jobCalls(const std::string& documentName) {
  return {"defaultPrinter", "open MRL 770", "startDoc " + documentName,
          "startPage",      "write",        "write",
          "endPage",        "endDoc",       "close"};
}

std::vector<ByteString> blocks(const features::FeaturesPage& page) {
  return {page.title, page.body};
}

struct Flow {
  FakeSpooler spooler;
  ScriptedMessageBoxes messageBoxes;
  FakeSleeper sleeper;
  platform::Platform platform{spooler, messageBoxes, sleeper};
  RecordingSettingsView view;
  settings::SelectionBoxes boxes{view};

  // The window as it loads: every box at its default, nothing sent to the printer yet.
  Flow() { boxes.IntializeSelectionBoxes(); }

  std::vector<Shown> shown() const {
    std::vector<Shown> result;
    for (const auto& box : messageBoxes.shown) result.push_back({box.text, box.title, box.style});
    return result;
  }
};

struct FlowCase {
  const char* name;
  int button;
  // Sets the window and the platform up before the button is released.
  std::function<void(Flow&)> arrange;
  // What the user does while the readiness prompt is up.
  std::function<void(Flow&)> duringPrompt;
  std::vector<Shown> shown;
  Calls calls;
  std::vector<ByteString> written;
};

void select(Flow& flow, settings::Selection emulation) {
  flow.boxes.setSelection(Box::Emulation, emulation);
}

}  // namespace

TEST(PrintFeatures, FlowFollowsButtonPromptAndEmulation) {
  const features::FeaturesPage escP = features::escPFeaturesPage();
  const features::FeaturesPage ibm = features::ibmFeaturesPage();
  const auto nothing = [](Flow&) {};
  const auto escPChosen = [](Flow& flow) { select(flow, kEscP); };
  const auto ibmChosen = [](Flow& flow) { select(flow, kIbm); };

  const FlowCase cases[] = {
      {"ESC/P, the start-up default",
       platform::kLeftButton,
       escPChosen,
       nothing,
       {kPrompt},
       jobCalls("MRL 770 FEATURS"),
       blocks(escP)},
      // Nothing is ever applied here: the window's selection alone decides.
      {"IBM, chosen but never applied",
       platform::kLeftButton,
       ibmChosen,
       nothing,
       {kPrompt},
       jobCalls("MRL 770 FEATURES"),
       blocks(ibm)},
      {"no emulation chosen counts as not IBM",
       platform::kLeftButton,
       [](Flow& flow) { select(flow, settings::kNoSelection); },
       nothing,
       {kPrompt},
       jobCalls("MRL 770 FEATURS"),
       blocks(escP)},
      {"Cancel at the prompt",
       platform::kLeftButton,
       [](Flow& flow) {
         select(flow, kEscP);
         flow.messageBoxes.answers = {Answer::Cancel};
       },
       nothing,
       {kPrompt},
       {},
       {}},
      {"right button", platform::kRightButton, escPChosen, nothing, {}, {}, {}},
      {"middle button", platform::kMiddleButton, ibmChosen, nothing, {}, {}, {}},
      {"a queue holding jobs does not stop the page",
       platform::kLeftButton,
       [](Flow& flow) {
         select(flow, kEscP);
         flow.spooler.jobsInQueue = 2;
       },
       nothing,
       {kPrompt},
       jobCalls("MRL 770 FEATURS"),
       blocks(escP)},
      {"no printer",
       platform::kLeftButton,
       [](Flow& flow) {
         select(flow, kIbm);
         flow.spooler.defaultPrinterResult = {platform::DefaultPrinter::Status::NoPrinter, ""};
       },
       nothing,
       {kPrompt, kNoPrinter},
       {"defaultPrinter"},
       {}},
      {"open fails",
       platform::kLeftButton,
       [](Flow& flow) {
         select(flow, kEscP);
         flow.spooler.openFails = true;
       },
       nothing,
       {kPrompt, kOpenFailed},
       {"defaultPrinter", "open MRL 770"},
       {}},
      {"a spooler error ends the job quietly",
       platform::kLeftButton,
       [](Flow& flow) {
         select(flow, kEscP);
         flow.spooler.throwAt = "startPage";
       },
       nothing,
       {kPrompt},
       {"defaultPrinter", "open MRL 770", "startDoc MRL 770 FEATURS", "startPage", "close"},
       {}},
      {"a page the spooler did not take says so, with the spooler's reason",
       platform::kLeftButton,
       [](Flow& flow) {
         select(flow, kIbm);
         flow.spooler.refuseAt = "write";
       },
       nothing,
       {kPrompt,
        {"Unable to print the features page.\r\n\r\nThe print spooler did not accept the job: "
         "refused at write",
         "Printer Configuration Utility", 16}},
       {"defaultPrinter", "open MRL 770", "startDoc MRL 770 FEATURES", "startPage", "write",
        "close"},
       {ibm.title}},
      {"switched to IBM while the prompt is up",
       platform::kLeftButton,
       escPChosen,
       ibmChosen,
       {kPrompt},
       jobCalls("MRL 770 FEATURES"),
       blocks(ibm)},
      {"switched to ESC/P while the prompt is up",
       platform::kLeftButton,
       ibmChosen,
       escPChosen,
       {kPrompt},
       jobCalls("MRL 770 FEATURS"),
       blocks(escP)},
  };

  for (const FlowCase& c : cases) {
    SCOPED_TRACE(c.name);
    Flow flow;
    c.arrange(flow);
    flow.messageBoxes.whileShown = [&flow, &c](const ScriptedMessageBoxes::Shown&) {
      if (flow.messageBoxes.shown.size() == 1) c.duringPrompt(flow);
    };

    features::printFeatures(c.button, flow.platform, flow.boxes);

    EXPECT_EQ(c.shown, flow.shown());
    EXPECT_EQ(c.calls, flow.spooler.calls);
    EXPECT_EQ(c.written, flow.spooler.written);
    EXPECT_TRUE(flow.spooler.allClosed());
    EXPECT_TRUE(flow.sleeper.pauses.empty());
  }
}

// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "cli/Failure.h"
#include "cli/Run.h"
#include "fakes/Bytes.h"
#include "fakes/FakeSleeper.h"
#include "fakes/FakeSpooler.h"

namespace {

using Setup = std::function<void(FakeSpooler&)>;

struct Case {
  const char* name;
  std::vector<std::string> arguments;
  Setup spooler;
  int status;
  // stdout exactly; stderr must hold errHas.
  std::string out;
  const char* errHas;
  const char* input = "";
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

class CommandOutcomes : public ::testing::TestWithParam<Case> {};

// The defaults' command with one byte changed.
std::string spoiled(std::size_t byte, const char* value) {
  std::vector<std::string> bytes;
  std::istringstream in(kDefaultSettingsCommandHex);
  for (std::string pair; in >> pair;) bytes.push_back(pair);
  bytes[byte] = value;
  std::string out;
  for (const std::string& pair : bytes) out += pair + " ";
  return out;
}

}  // namespace

TEST_P(CommandOutcomes, GiveTheirExitStatusAndMessage) {
  const Case& c = GetParam();
  FakeSpooler spooler;
  if (c.spooler) c.spooler(spooler);
  FakeSleeper sleeper;
  std::istringstream in(c.input);
  std::ostringstream out;
  std::ostringstream err;
  // No case sends to several queues, which would want a spooler for each.
  cli::Outside outside{in,
                       out,
                       err,
                       spooler,
                       sleeper,
                       [](const std::string&) { return true; },
                       [] { return false; },
                       nullptr};

  EXPECT_EQ(c.status, cli::run(c.arguments, outside));
  EXPECT_EQ(c.out, out.str());
  EXPECT_NE(std::string::npos, err.str().find(c.errHas)) << err.str();
  // A busy queue is refused before anything is written.
  if (c.status == cli::kBusy) {
    EXPECT_TRUE(spooler.written.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Table, CommandOutcomes,
                         ::testing::
                             Values(
                                 Case{"NoCommand",
                                      {},
                                      nullptr,
                                      cli::kUsageError,
                                      "",
                                      "no command given"},
                                 Case{"UnknownCommand",
                                      {"frob"},
                                      nullptr,
                                      cli::kUsageError,
                                      "",
                                      "no command frob"},
                                 Case{"UnknownOption",
                                      {"encode", "--hex"},
                                      nullptr,
                                      cli::kUsageError,
                                      "",
                                      "unknown option \"--hex\""},
                                 Case{"OptionWithoutValue",
                                      {"apply", "--printer"},
                                      nullptr,
                                      cli::kUsageError,
                                      "",
                                      "--printer needs a value"},
                                 Case{"NotAnAssignment",
                                      {"encode", "Pitch"},
                                      nullptr,
                                      cli::kUsageError,
                                      "",
                                      "expected NAME=VALUE, not \"Pitch\""},
                                 Case{"SettingsAndAFile",
                                      {"apply", "HSD=0", "--from", "saved"},
                                      nullptr,
                                      cli::kUsageError,
                                      "",
                                      "not both"},
                                 Case{"PageWrittenAndPrinted",
                                      {"features", "--out", "-", "--printer", "Q"},
                                      nullptr,
                                      cli::kUsageError,
                                      "",
                                      "it takes no --printer"},
                                 Case{"BoxTwice",
                                      {"encode", "HSD=Enabled", "hsd=Disabled"},
                                      nullptr,
                                      cli::kBadInput,
                                      "",
                                      "HSD is given more than once"},
                                 Case{"CommandTooShort",
                                      {"decode", "1B 19 01 00"},
                                      nullptr,
                                      cli::kBadInput,
                                      "",
                                      "a settings command is 15 bytes long; this one has 4"},
                                 Case{"WrongHeader",
                                      {"decode", spoiled(1, "18")},
                                      nullptr,
                                      cli::kBadInput,
                                      "",
                                      "byte 1 is 18: a settings command begins 1B 19 01"},
                                 Case{"BitsOfNoBox",
                                      {"decode", spoiled(7, "01")},
                                      nullptr,
                                      cli::kBadInput,
                                      "",
                                      "byte 7 (flag word 4) is 01: bits 01 belong to no box"},
                                 Case{"TearOffCodeOutsideItsTable",
                                      {"decode", spoiled(5, "B7")},
                                      nullptr,
                                      cli::kBadInput,
                                      "",
                                      "byte 5 (flag word 2) is B7: Tearoff has no entry with the "
                                      "code 06"},
                                 Case{"PageLengthOutsideItsTable",
                                      {"decode", spoiled(10, "08")},
                                      nullptr,
                                      cli::kBadInput,
                                      "",
                                      "bytes 10-11 (flag words 7-8) are 08 20: PageLength has no "
                                      "entry with the code 08 20"},
                                 Case{"PitchTheLqFontHasNot15Cpi",
                                      {"decode", "1B 19 01 00 82 B5 00 00 00 02 0A 20 03 04 00"},
                                      nullptr,
                                      cli::kBadInput,
                                      "",
                                      "byte 13 (flag word 10) is 04: Pitch \"15 CPI\" is not "
                                      "offered while FontType is "
                                      "\"LQ \"; Pitch then holds #0 \"10 CPI\", #1 \"12 CPI\""},
                                 Case{"NotHex",
                                      {"decode", "1B 19 0"},
                                      nullptr,
                                      cli::kBadInput,
                                      "",
                                      "not hex bytes"},
                                 Case{"UnknownEmulation",
                                      {"features", "--emulation", "PCL"},
                                      nullptr,
                                      cli::kBadInput,
                                      "",
                                      "Emulation has no entry \"PCL\"; its entries are #0 \"IBM\", "
                                      "#1 \"ESC/P\""},
                                 Case{"UnreadableFile",
                                      {"apply", "--from", "/nonexistent/saved"},
                                      nullptr,
                                      cli::kBadInput,
                                      "",
                                      "cannot read \"/nonexistent/saved\""},
                                 Case{"BusyQueue",
                                      {"apply"},
                                      [](FakeSpooler& s) { s.jobsInQueue = 1; },
                                      cli::kBusy,
                                      "",
                                      "mrl770-settings: queue \"MRL 770\" is busy with other jobs; "
                                      "nothing was sent\n"},
                                 Case{"BusyQueueAsJson",
                                      {"apply", "--json"},
                                      [](FakeSpooler& s) { s.jobsInQueue = 1; },
                                      cli::kBusy,
                                      "{\"queue\": \"MRL 770\", \"job\": null, \"outcome\": "
                                      "\"busy\"}\n",
                                      "is busy"},
                                 Case{"NoPrinter",
                                      {"apply"},
                                      [](FakeSpooler& s) {
                                        s.defaultPrinterResult = {
                                            platform::DefaultPrinter::Status::NoPrinter, ""};
                                      },
                                      cli::kNotSent,
                                      "",
                                      "mrl770-settings: no printer is installed; nothing was "
                                      "sent\n"},
                                 Case{"NoDefault",
                                      {"features"},
                                      [](FakeSpooler& s) {
                                        s.defaultPrinterResult = {
                                            platform::DefaultPrinter::Status::NoDefault, ""};
                                      },
                                      cli::kNotSent,
                                      "",
                                      "mrl770-settings: no default printer; name a queue with -d "
                                      "QUEUE\n"},
                                 Case{"SchedulerUnreachable",
                                      {"apply", "-h", "print.example:631"},
                                      [](FakeSpooler& s) {
                                        s.defaultPrinterResult = {
                                            platform::DefaultPrinter::Status::Unreachable, ""};
                                      },
                                      cli::kNotSent,
                                      "",
                                      "mrl770-settings: cannot reach the scheduler at "
                                      "\"print.example:631\"\n"},
                                 Case{"QueueCannotBeOpened",
                                      {"apply", "-dGone", "--server", "print.example"},
                                      [](FakeSpooler& s) {
                                        s.openFails = true;
                                        s.openError = "The printer or class does not exist.";
                                      },
                                      cli::kNotSent,
                                      "",
                                      "mrl770-settings: cannot open queue \"Gone\" on server "
                                      "\"print.example\": The "
                                      "printer or class does not exist.\n"},
                                 Case{"SettingsNotAccepted",
                                      {"apply"},
                                      [](FakeSpooler& s) { s.refuseAt = "endDoc"; },
                                      cli::kNotSent,
                                      "",
                                      "mrl770-settings: queue \"MRL 770\" did not accept the job: "
                                      "refused at endDoc\n"},
                                 Case{"PageNotAccepted",
                                      {"features", "--emulation", "ibm"},
                                      [](FakeSpooler& s) { s.refuseAt = "write"; },
                                      cli::kNotSent,
                                      "",
                                      "mrl770-settings: queue \"MRL 770\" did not accept the job: "
                                      "refused at write\n"},
                                 Case{"SpoolerFailedSilently",
                                      {"apply"},
                                      [](FakeSpooler& s) { s.throwAt = "startDoc"; },
                                      cli::kNotSent,
                                      "",
                                      "mrl770-settings: the spooler failed; nothing was sent\n"},
                                 Case{"Sent",
                                      {"apply", "-d", "Second"},
                                      [](FakeSpooler& s) { s.jobId = 7; },
                                      cli::kDone,
                                      "Second-7\n",
                                      ""},
                                 Case{"SentWithoutANumber",
                                      {"features"},
                                      nullptr,
                                      cli::kDone,
                                      "MRL 770\n",
                                      ""},
                                 Case{"SentAsJson",
                                      {"features", "--json"},
                                      [](FakeSpooler& s) { s.jobId = 7; },
                                      cli::kDone,
                                      "{\"queue\": \"MRL 770\", \"job\": 7, \"outcome\": "
                                      "\"sent\"}\n",
                                      ""},
                                 Case{"WaitedUntilCompleted",
                                      {"apply", "--wait"},
                                      [](FakeSpooler& s) {
                                        s.jobId = 7;
                                        s.jobStates = {{platform::JobState::Pending, ""},
                                                       {platform::JobState::Processing, ""},
                                                       {platform::JobState::Completed, ""}};
                                      },
                                      cli::kDone,
                                      "MRL 770-7\nMRL 770-7 completed\n",
                                      ""},
                                 Case{"WaitedUntilCancelled",
                                      {"apply", "--wait"},
                                      [](FakeSpooler& s) {
                                        s.jobId = 7;
                                        s.jobStates = {{platform::JobState::Cancelled,
                                                        "canceled by\x1b[2J user"}};
                                      },
                                      cli::kJobNotCompleted,
                                      "MRL 770-7\n",
                                      "mrl770-settings: job MRL 770-7 was cancelled: canceled "
                                      "by[2J user\n"},
                                 Case{"WaitedUntilAbortedAsJson",
                                      {"features", "--wait", "--json"},
                                      [](FakeSpooler& s) {
                                        s.jobId = 7;
                                        s.jobStates = {{platform::JobState::Aborted, ""}};
                                      },
                                      cli::kJobNotCompleted,
                                      "{\"queue\": \"MRL 770\", \"job\": 7, \"outcome\": \"sent\", "
                                      "\"state\": "
                                      "\"aborted\", \"timedOut\": false}\n",
                                      "mrl770-settings: job MRL 770-7 was aborted\n"},
                                 Case{"WaitedForAJobTheSpoolerLost",
                                      {"apply", "--wait"},
                                      [](FakeSpooler& s) { s.jobId = 7; },
                                      cli::kJobNotCompleted,
                                      "MRL 770-7\n",
                                      "mrl770-settings: the spooler cannot tell where job MRL "
                                      "770-7 stands\n"},
                                 Case{"WaitTimedOut",
                                      {"apply", "--wait", "--timeout=2"},
                                      [](FakeSpooler& s) {
                                        s.jobId = 7;
                                        s.jobStates = {
                                            {platform::JobState::Held, "held for the night"}};
                                      },
                                      cli::kWaitTimedOut,
                                      "MRL 770-7\n",
                                      "mrl770-settings: job MRL 770-7 has not ended after 2 "
                                      "seconds; it is held: held for "
                                      "the night\n"},
                                 Case{"NoNumberToWaitFor",
                                      {"apply", "--wait"},
                                      nullptr,
                                      cli::kJobNotCompleted,
                                      "",
                                      "cannot wait for the job on queue \"MRL 770\": the spooler "
                                      "gave it no number"},
                                 Case{"TimeoutWithoutWait",
                                      {"apply", "--timeout", "5"},
                                      nullptr,
                                      cli::kUsageError,
                                      "",
                                      "--timeout goes with --wait"},
                                 Case{"TimeoutNotWholeSeconds",
                                      {"features", "--wait", "--timeout", "1.5"},
                                      nullptr,
                                      cli::kUsageError,
                                      "",
                                      "--timeout takes whole seconds from 1 to 86400, not \"1.5\""},
                                 Case{"CompletionAsksForEveryList",
                                      {"--complete", "entries", "character set"},
                                      nullptr,
                                      cli::kDone,
                                      "Graphics\nItalics\nSet 1\nSet 2\n",
                                      ""},
                                 Case{"UnknownLetter",
                                      {"apply", "-x"},
                                      nullptr,
                                      cli::kUsageError,
                                      "",
                                      "unknown option \"-x\""},
                                 Case{"Batch",
                                      {"encode", "--batch"},
                                      nullptr,
                                      cli::kBadInput,
                                      "1B 19 01 00 81 B5 00 00 00 02 0A 20 13 01 00\n\n\n" +
                                          std::string(kDefaultSettingsCommandHex) +
                                          "\n1B 19 01 00 82 B5 00 00 00 02 0A 20 13 02 00\n",
                                      "mrl770-settings: line 2: no box is named \"Frob\"",
                                      "Emulation=IBM \"Character Set=Set 2\"\nFrob=1\nPitch\n\n"
                                      "Pitch=12"},
                                 Case{"BatchQuoteNotClosed",
                                      {"encode", "--batch"},
                                      nullptr,
                                      cli::kBadInput,
                                      "\n1B 19 01 00 82 B5 00 00 00 02 0A 20 13 02 00\n",
                                      "mrl770-settings: line 1: a double quote is not closed",
                                      "HSD=\"Enabled\n  Pitch=12\t\n"},
                                 Case{"BatchRaw",
                                      {"encode", "--batch", "--raw"},
                                      nullptr,
                                      cli::kBadInput,
                                      std::string("\x1B\x19\x01\x00\x82\xB5\x00\x00\x00\x02\x0A"
                                                  "\x20\x13\x02\x00",
                                                  15),
                                      "mrl770-settings: line 1: no box is named",
                                      "Frob=1\nPitch=12\n"},
                                 Case{"BatchAndSettings",
                                      {"encode", "--batch", "Pitch=12"},
                                      nullptr,
                                      cli::kUsageError,
                                      "",
                                      "--batch reads the settings from standard input, not "
                                      "\"Pitch=12\""},
                                 // A queue's driver or description names the printer, case and
                                 // blanks aside.
                                 Case{"AllTakesTheQueuesOfThePrinter",
                                      {"apply", "--all"},
                                      [](FakeSpooler& s) {
                                        s.queueList = {{"Laser", "Laser Jet", "MRL 77"},
                                                       {"Dot", "ZEL mrl770 9-pin", ""}};
                                      },
                                      cli::kDone,
                                      "Dot\n",
                                      ""},
                                 Case{"AllFindsNone",
                                      {"apply", "--all", "-h", "printhost"},
                                      [](FakeSpooler& s) {
                                        s.queueList = {{"Laser", "Laser Jet", "Front desk"}};
                                      },
                                      cli::kNotSent,
                                      "",
                                      "mrl770-settings: found no queue on server \"printhost\" "
                                      "whose driver or description names the MRL 770; nothing "
                                      "was sent\n"},
                                 Case{"QueuesChosenTwoWays",
                                      {"apply", "--all", "-d", "Q"},
                                      nullptr,
                                      cli::kUsageError,
                                      "",
                                      "give -d QUEUE, --all or --all-queues, not two of them"},
                                 Case{"QueueNamedTwice",
                                      {"apply", "-d", "Q", "--printer=Q"},
                                      nullptr,
                                      cli::kUsageError,
                                      "",
                                      "queue \"Q\" is named more than once"},
                                 Case{"FeaturesToOneQueue",
                                      {"features", "-d", "A", "-d", "B"},
                                      nullptr,
                                      cli::kUsageError,
                                      "",
                                      "--printer is given more than once"},
                                 Case{"LetterWithoutValue",
                                      {"apply", "-d"},
                                      nullptr,
                                      cli::kUsageError,
                                      "",
                                      "-d needs a value"}),
                         [](const auto& row) { return std::string(row.param.name); });

// The program itself: its arguments, streams and exit status reach the same function.
TEST(Program, EncodesDecodesAndFailsAsTheFunctionDoes) {
  const ProgramRun encoded = runProgram({"encode", "--raw"});
  EXPECT_EQ(0, encoded.status);
  EXPECT_EQ(kDefaultSettingsCommandHex, hex(encoded.out));

  const ProgramRun decoded = runProgram({"decode"}, encoded.out);
  EXPECT_EQ(0, decoded.status);
  EXPECT_EQ(0u, decoded.out.find("PrintingMode: Bi-Direction\nHSD: Disabled\nFontType: Draft\n"));

  const ProgramRun failed = runProgram({"encode", "Speed=1"});
  EXPECT_EQ(2, failed.status);
  EXPECT_EQ("", failed.out);
  EXPECT_EQ(0u, failed.err.find("mrl770-settings: no box is named \"Speed\""));
}

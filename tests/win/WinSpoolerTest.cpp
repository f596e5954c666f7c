// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FakeWinspool.h"
#include "fakes/FakeSleeper.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "platform/win/WinSpooler.h"
#include "printjob/RawPrintJob.h"

using printjob::PrintOutcome;
using Calls = std::vector<std::string>;

namespace {

Calls operator+(Calls a, const Calls& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

// The Windows spooler's calls for every outcome of a print job with the busy check, and the
// printer closed on every path that opened it.
TEST(WinSpooler, CallsTheSpoolerInOrderForEveryOutcome) {
  struct Case {
    const char* what;
    std::function<void(FakeWinspool&)> arrange;
    Calls calls;
    PrintOutcome outcome;
    const char* message;
    const char* reason;
  };
  const Calls found = {"GetDefaultPrinterA", "GetDefaultPrinterA", "OpenPrinterA Zel"};
  // The queue is empty.
  const Calls opened = found + Calls{"EnumJobsA size"};
  const Calls driver = {"GetPrinterDriverA 8 size", "GetPrinterDriverA 8"};
  const Calls started =
      opened + driver + Calls{"StartDocPrinterA Doc RAW", "StartPagePrinter", "WritePrinter 3"};
  const Calls sent =
      started + Calls{"WritePrinter 2", "EndPagePrinter", "EndDocPrinter", "ClosePrinter"};
  // Local printers and connections, names only, with no buffer.
  const char* const kAnyPrinter = "EnumPrintersA 6 4 size";
  const char* const kOpenFailed = "OpenPrinter Failed!!!\r\nUnable to access printer";
  const Case cases[] = {
      {"sent", [](FakeWinspool&) {}, sent, PrintOutcome::Sent, "", ""},
      {"an XPS driver", [](FakeWinspool& w) { w.driverAttributes |= PRINTER_DRIVER_XPS; },
       opened + driver +
           Calls{"StartDocPrinterA Doc XPS_PASS", "StartPagePrinter", "WritePrinter 3",
                 "WritePrinter 2", "EndPagePrinter", "EndDocPrinter", "ClosePrinter"},
       PrintOutcome::Sent, "", ""},
      {"one job queued", [](FakeWinspool& w) { w.jobs = 1; },
       found + Calls{"EnumJobsA size", "EnumJobsA", "ClosePrinter"}, PrintOutcome::Busy, "", ""},
      {"a job arrives between the queries",
       [](FakeWinspool& w) {
         w.jobs = 1;
         w.jobsArriving = 1;
       },
       found + Calls{"EnumJobsA size", "EnumJobsA", "EnumJobsA", "ClosePrinter"},
       PrintOutcome::Busy, "", ""},
      // Only the count decides, and a failed query gives none.
      {"the jobs query fails",
       [](FakeWinspool& w) {
         w.jobs = 1;
         w.enumJobsFails = true;
       },
       sent, PrintOutcome::Sent, "", ""},
      {"no printer installed",
       [](FakeWinspool& w) {
         w.defaultPrinterError = ERROR_FILE_NOT_FOUND;
         w.printersInstalled = 0;
       },
       {"GetDefaultPrinterA", kAnyPrinter},
       PrintOutcome::NoPrinter,
       "No printer drivers are installed.\r\nDownload Failed!!",
       ""},
      {"printers but no default",
       [](FakeWinspool& w) { w.defaultPrinterError = ERROR_FILE_NOT_FOUND; },
       {"GetDefaultPrinterA", kAnyPrinter},
       PrintOutcome::OpenFailed,
       kOpenFailed,
       ""},
      {"the spooler cannot be asked",
       [](FakeWinspool& w) { w.defaultPrinterError = RPC_S_SERVER_UNAVAILABLE; },
       {"GetDefaultPrinterA"},
       PrintOutcome::OpenFailed,
       kOpenFailed,
       ""},
      {"open fails", [](FakeWinspool& w) { w.openFails = true; }, found, PrintOutcome::OpenFailed,
       kOpenFailed, "handle"},
      {"the document cannot start", [](FakeWinspool& w) { w.startDocFails = true; },
       opened + driver + Calls{"StartDocPrinterA Doc RAW", "ClosePrinter"},
       PrintOutcome::NotAccepted, "", "handle"},
      {"an error the system has no words for",
       [](FakeWinspool& w) {
         w.startDocFails = true;
         w.error = 0x20000001;
       },
       opened + driver + Calls{"StartDocPrinterA Doc RAW", "ClosePrinter"},
       PrintOutcome::NotAccepted, "", "Error 536870913."},
      {"a short write", [](FakeWinspool& w) { w.writeShortBy = 1; },
       started + Calls{"AbortPrinter", "ClosePrinter"}, PrintOutcome::NotAccepted, "",
       "The spooler took only 2 of 3 bytes."},
      {"the document cannot end", [](FakeWinspool& w) { w.endDocFails = true; },
       started + Calls{"WritePrinter 2", "EndPagePrinter", "EndDocPrinter", "AbortPrinter",
                       "ClosePrinter"},
       PrintOutcome::NotAccepted, "", "handle"},
  };

  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fakeWinspool() = FakeWinspool{};
    c.arrange(fakeWinspool());
    platform::WinSpooler spooler;
    ScriptedMessageBoxes boxes;
    FakeSleeper sleeper;
    platform::Platform platform{spooler, boxes, sleeper};

    const printjob::PrintResult result = printjob::RawPrintJob(
        platform, "Doc", {"\x1B\x19\x01", "AB"}, printjob::BusyCheck::Required);

    EXPECT_EQ(c.outcome, result.outcome);
    EXPECT_NE(std::string::npos, result.reason.find(c.reason)) << result.reason;
    EXPECT_EQ(std::string::npos, result.reason.find_first_of("\r\n")) << result.reason;
    EXPECT_EQ(c.calls, fakeWinspool().calls);
    EXPECT_EQ(0, fakeWinspool().handlesOpen);
    if (*c.message) {
      ASSERT_EQ(1u, boxes.shown.size());
      EXPECT_EQ(c.message, boxes.shown[0].text);
    } else {
      EXPECT_TRUE(boxes.shown.empty());
    }
  }
}

// SPDX-License-Identifier: Apache-2.0
#include "printjob/RawPrintJob.h"

#include <exception>

#include "printjob/Messages.h"

namespace printjob {

namespace {

// Runs the document's steps in order, stopping at the first the spooler did not take.
bool sendSteps(platform::Printer& printer, const std::string& documentName,
               const std::vector<platform::ByteString>& data) {
  if (!printer.startDoc(documentName) || !printer.startPage()) return false;
  for (const platform::ByteString& bytes : data) {
    if (!printer.write(bytes)) return false;
  }
  return printer.endPage() && printer.endDoc();
}

bool isControl(unsigned char c) {
  return c < 0x20 || c == 0x7F;
}

PrintResult sendDocument(platform::Platform& platform, const std::string& documentName,
                         const std::vector<platform::ByteString>& data, BusyCheck busyCheck) {
  const platform::DefaultPrinter printer = platform.spooler.defaultPrinter();
  if (printer.status == platform::DefaultPrinter::Status::NoPrinter) {
    messages::show(platform.messageBoxes, messages::noPrinter());
    return {PrintOutcome::NoPrinter, "", ""};
  }
  // Without a default, or without a spooler to ask, there is nothing to open.
  std::unique_ptr<platform::Printer> handle;
  if (printer.status == platform::DefaultPrinter::Status::Found) {
    handle = platform.spooler.open(printer.name);
  }
  if (!handle) {
    const std::string reason = printer.status == platform::DefaultPrinter::Status::Found
                                   ? shownText(platform.spooler.lastError())
                                   : "";
    messages::show(platform.messageBoxes, messages::openFailed());
    return {PrintOutcome::OpenFailed, reason, printer.name};
  }

  // Only the count decides; a spooler that gives no count lets the job go on.
  if (busyCheck == BusyCheck::Required && handle->queuedJobs() != 0) {
    handle->close();
    return {PrintOutcome::Busy, "", printer.name};
  }
  const bool accepted = sendSteps(*handle, documentName, data);
  const std::string reason = accepted ? "" : shownText(handle->lastError());
  // Read before closing, which forgets the number.
  const int jobId = accepted ? handle->jobId() : 0;
  // Closing removes a document that was not accepted whole.
  handle->close();
  if (!accepted) return {PrintOutcome::NotAccepted, reason, printer.name};
  return {PrintOutcome::Sent, "", printer.name, jobId};
}

}  // namespace

std::string shownText(const std::string& spoolerText) {
  std::string shown;
  for (std::size_t i = 0; i < spoolerText.size();) {
    const auto c = static_cast<unsigned char>(spoolerText[i]);
    // A character's bytes go whole or not at all, so the cut never splits one.
    const std::size_t length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    const std::string character = spoolerText.substr(i, length);
    i += length;
    const bool c1Control = length == 2 && c == 0xC2 && character.size() == 2 &&
                           static_cast<unsigned char>(character[1]) < 0xA0;
    // Line breaks and tabs still part words; other control characters go.
    const bool spacing = c == '\n' || c == '\r' || c == '\t';
    if ((c1Control || isControl(c)) && !spacing) continue;
    if (shown.size() + character.size() > kMaxReason) break;
    shown += spacing ? std::string(" ") : character;
  }
  return shown;
}

PrintResult RawPrintJob(platform::Platform& platform, const std::string& documentName,
                        const std::vector<platform::ByteString>& data, BusyCheck busyCheck) {
  // Any other error raised by the platform ends the job quietly; an open printer is closed,
  // and a half-sent document removed, when its handle goes.
  try {
    return sendDocument(platform, documentName, data, busyCheck);
  } catch (const std::exception&) {
    return {PrintOutcome::Failed, "", ""};
  }
}

}  // namespace printjob

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

PrintResult sendDocument(platform::Platform& platform, const std::string& documentName,
                         const std::vector<platform::ByteString>& data, BusyCheck busyCheck) {
  const platform::DefaultPrinter printer = platform.spooler.defaultPrinter();
  if (printer.status == platform::DefaultPrinter::Status::NoPrinter) {
    messages::show(platform.messageBoxes, messages::noPrinter());
    return {PrintOutcome::Failed, ""};
  }
  // Without a default, or without a spooler to ask, there is nothing to open.
  std::unique_ptr<platform::Printer> handle;
  if (printer.status == platform::DefaultPrinter::Status::Found) {
    handle = platform.spooler.open(printer.name);
  }
  if (!handle) {
    messages::show(platform.messageBoxes, messages::openFailed());
    return {PrintOutcome::Failed, ""};
  }

  // Only the count decides; a spooler that gives no count lets the job go on.
  if (busyCheck == BusyCheck::Required && handle->queuedJobs() != 0) {
    handle->close();
    return {PrintOutcome::Busy, ""};
  }
  const bool accepted = sendSteps(*handle, documentName, data);
  const std::string reason = accepted ? "" : handle->lastError();
  // Closing removes a document that was not accepted whole.
  handle->close();
  if (!accepted) return {PrintOutcome::NotAccepted, reason};
  return {PrintOutcome::Sent, ""};
}

}  // namespace

PrintResult RawPrintJob(platform::Platform& platform, const std::string& documentName,
                        const std::vector<platform::ByteString>& data, BusyCheck busyCheck) {
  // Any other error raised by the platform ends the job quietly; an open printer is closed,
  // and a half-sent document removed, when its handle goes.
  try {
    return sendDocument(platform, documentName, data, busyCheck);
  } catch (const std::exception&) {
    return {PrintOutcome::Failed, ""};
  }
}

}  // namespace printjob

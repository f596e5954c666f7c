#include "download/RawPrintJob.h"

#include <exception>

#include "download/Messages.h"

namespace mdlFlagSettings {

namespace {

PrintOutcome sendDocument(platform::Platform& platform, const std::string& documentName,
                          const std::vector<platform::ByteString>& data, BusyCheck busyCheck) {
  const platform::DefaultPrinter printer = platform.spooler.defaultPrinter();
  if (printer.status == platform::DefaultPrinter::Status::NoPrinter) {
    messages::show(platform.messageBoxes, messages::noPrinter());
    return PrintOutcome::Failed;
  }
  // Without a default, or without a spooler to ask, there is nothing to open.
  std::unique_ptr<platform::Printer> handle;
  if (printer.status == platform::DefaultPrinter::Status::Found) {
    handle = platform.spooler.open(printer.name);
  }
  if (!handle) {
    messages::show(platform.messageBoxes, messages::openFailed());
    return PrintOutcome::Failed;
  }

  // Only the count decides; a spooler that gives no count lets the job go on.
  if (busyCheck == BusyCheck::Required && handle->queuedJobs() != 0) {
    handle->close();
    return PrintOutcome::Busy;
  }
  handle->startDoc(documentName);
  handle->startPage();
  for (const platform::ByteString& bytes : data) handle->write(bytes);
  handle->endPage();
  handle->endDoc();
  handle->close();
  return PrintOutcome::Sent;
}

}  // namespace

PrintOutcome RawPrintJob(platform::Platform& platform, const std::string& documentName,
                         const std::vector<platform::ByteString>& data, BusyCheck busyCheck) {
  // Any other error raised by the platform ends the job quietly; an open printer is closed
  // when its handle goes.
  try {
    return sendDocument(platform, documentName, data, busyCheck);
  } catch (const std::exception&) {
    return PrintOutcome::Failed;
  }
}

}  // namespace mdlFlagSettings

// SPDX-License-Identifier: Apache-2.0
#include "platform/cups/CupsSpooler.h"

#include <iterator>

#include "platform/SystemSpooler.h"

#include "platform/cups/CupsConnection.h"
#include "platform/cups/CupsPrinter.h"

namespace platform::cups {

namespace {

using Dest = std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)>;

void freeDest(cups_dest_t* dest) {
  cupsFreeDests(1, dest);
}

// The default destination.
Dest defaultDest(const CupsConnection& connection) {
  return Dest(cupsGetNamedDest(connection.http(), nullptr, nullptr), &freeDest);
}

// Whether the scheduler took part in the last call on the connection.
bool answered(const CupsConnection& connection) {
  return !connection.gaveUp() && httpError(connection.http()) == 0;
}

// Why there is no default: the scheduler has no destination at all, or has some but none of
// them is the default.
DefaultPrinter::Status withoutDefault(const CupsConnection& connection) {
  ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
  ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "limit", 1);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
               "printer-name");
  ipp_t* response = cupsDoRequest(connection.http(), request, "/");
  // Only an IPP answer comes from a scheduler: an HTTP error, or a server that speaks no IPP,
  // is no word on its printers.
  const bool spokeIpp = response != nullptr;
  const ipp_status_t status = spokeIpp ? ippGetStatusCode(response) : IPP_STATUS_ERROR_INTERNAL;
  ippDelete(response);
  if (!spokeIpp || !answered(connection)) return DefaultPrinter::Status::Unreachable;
  return status == IPP_STATUS_ERROR_NOT_FOUND ? DefaultPrinter::Status::NoPrinter
                                              : DefaultPrinter::Status::NoDefault;
}

// Asked on our own connection: libcups's lookup by name falls back to its default connection,
// which waits minutes for a scheduler that does not answer.
bool queueExists(const CupsConnection& connection, const std::string& name) {
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
               printerUri(name).c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
               "printer-name");
  ippDelete(cupsDoRequest(connection.http(), request, "/"));
  return answered(connection) && cupsLastError() <= IPP_STATUS_OK_CONFLICTING;
}

// The job's state from the scheduler's job-state (3 to 9).
JobState jobState(int ippState) {
  static constexpr JobState kStates[] = {
      JobState::Pending,   JobState::Held,    JobState::Processing, JobState::Stopped,
      JobState::Cancelled, JobState::Aborted, JobState::Completed};
  const int index = ippState - IPP_JSTATE_PENDING;
  return index >= 0 && index < static_cast<int>(std::size(kStates)) ? kStates[index]
                                                                    : JobState::Unknown;
}

// The first of the scheduler's words on the job that it gave.
std::string jobMessage(ipp_t* response) {
  for (const char* name : {"job-printer-state-message", "job-state-message"}) {
    const char* text = ippGetString(ippFindAttribute(response, name, IPP_TAG_TEXT), 0, nullptr);
    if (text && *text) return text;
  }
  return "";
}

}  // namespace

DefaultPrinter CupsSpooler::defaultPrinter() {
  // libcups answers "No default destination." alike when the scheduler cannot be asked, when
  // it has no printer and when the default names a printer that is gone; connecting first and
  // asking for any printer tell them apart.
  const auto connection = CupsConnection::open();
  if (!connection) return {DefaultPrinter::Status::Unreachable, ""};
  const Dest dest = defaultDest(*connection);
  if (!dest) {
    return {
        answered(*connection) ? withoutDefault(*connection) : DefaultPrinter::Status::Unreachable,
        ""};
  }
  // A default taken from lpoptions may name an instance ("queue/instance"); the queue is
  // what is opened.
  const std::string name = dest->name;
  return {DefaultPrinter::Status::Found, name.substr(0, name.find('/'))};
}

std::unique_ptr<Printer> CupsSpooler::open(const std::string& name) {
  lastError_.clear();
  auto connection = CupsConnection::open(&lastError_);
  if (!connection) return nullptr;
  if (!queueExists(*connection, name)) {
    lastError_ = connection->lastError();
    return nullptr;
  }
  unfinishedJobs_.cancelRemembered(*connection, name);
  return std::make_unique<CupsPrinter>(std::move(connection), name, unfinishedJobs_);
}

JobStatus CupsSpooler::jobStatus(const std::string& queue, int jobId) {
  if (jobId <= 0) return {JobState::Unknown, ""};
  const auto connection = CupsConnection::open();
  if (!connection) return {JobState::Unknown, ""};
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
               printerUri(queue).c_str());
  ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  static const char* const kWanted[] = {"job-state", "job-printer-state-message",
                                        "job-state-message"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                static_cast<int>(std::size(kWanted)), nullptr, kWanted);
  ipp_t* response = cupsDoRequest(connection->http(), request, "/jobs/");
  ipp_attribute_t* state = ippFindAttribute(response, "job-state", IPP_TAG_ENUM);
  const JobStatus status =
      answered(*connection) && state && ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING
          ? JobStatus{jobState(ippGetInteger(state, 0)), jobMessage(response)}
          : JobStatus{JobState::Unknown, ""};
  ippDelete(response);
  return status;
}

}  // namespace platform::cups

std::unique_ptr<platform::Spooler> platform::makeSystemSpooler() {
  return std::make_unique<cups::CupsSpooler>();
}

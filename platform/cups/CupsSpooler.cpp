// SPDX-License-Identifier: Apache-2.0
#include "platform/cups/CupsSpooler.h"

#include <stdlib.h>

#include <cstring>
#include <iterator>
#include <utility>

#include "platform/SystemSpooler.h"

#include "platform/cups/CupsPrinter.h"
#include "platform/cups/UnfinishedJobs.h"

namespace platform::cups {

namespace {

// The queue named in an lpoptions file's Default line, with its instance; nullopt when the
// file names none.
std::optional<std::string> lpoptionsDefault(const std::string& path) {
  cups_file_t* file = cupsFileOpen(path.c_str(), "r");
  if (!file) return std::nullopt;
  std::optional<std::string> name;
  char line[2048];
  char* value = nullptr;
  int lineNumber = 0;
  while (!name && cupsFileGetConf(file, line, sizeof line, &value, &lineNumber)) {
    if (value && strcasecmp(line, "Default") == 0)
      name = std::string(value, std::strcspn(value, " \t"));
  }
  cupsFileClose(file);
  return name;
}

// The queue the user chose outside the program, looked for where libcups's lookup by name looks:
// LPDEST, PRINTER (unless "lp", which older tools set to mean no choice), the user's lpoptions,
// then the system's. Read here, because libcups's lookup asks the scheduler for every attribute
// of the queue on a request of its own. Without any instance ("queue/instance"): the queue is
// what is opened.
std::optional<std::string> chosenQueue() {
  std::optional<std::string> chosen;
  const char* lpdest = std::getenv("LPDEST");
  const char* printer = std::getenv("PRINTER");
  if (lpdest && *lpdest) {
    chosen = lpdest;
  } else if (printer && *printer && std::strcmp(printer, "lp") != 0) {
    chosen = printer;
  } else {
    const char* home = std::getenv("HOME");
    const char* serverRoot = std::getenv("CUPS_SERVERROOT");
    if (home) chosen = lpoptionsDefault(std::string(home) + "/.cups/lpoptions");
    if (!chosen)
      chosen = lpoptionsDefault(std::string(serverRoot ? serverRoot : "/etc/cups") + "/lpoptions");
  }
  if (chosen) chosen->erase(std::min(chosen->find('/'), chosen->size()));
  return chosen;
}

struct QueueAnswer {
  enum class Status { Found, NotFound, NoAnswer };
  Status status;
  std::string name;
  int queuedJobs;
};

// The queue's name and the count of its jobs that are not finished, of any user and in any
// state (pending, held, processing or stopped): the scheduler's queued-job-count.
QueueAnswer ask(CupsConnection& connection, ipp_t* request) {
  static const char* const kWanted[] = {"printer-name", "queued-job-count"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                static_cast<int>(std::size(kWanted)), nullptr, kWanted);
  ipp_t* response = connection.request(request, "/");
  // Only an IPP answer comes from a scheduler: an HTTP error, or a server that speaks no IPP,
  // is no word on its printers.
  if (!response) return {QueueAnswer::Status::NoAnswer, "", 0};
  const char* name =
      ippGetString(ippFindAttribute(response, "printer-name", IPP_TAG_NAME), 0, nullptr);
  ipp_attribute_t* count = ippFindAttribute(response, "queued-job-count", IPP_TAG_INTEGER);
  const QueueAnswer answer{ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING && name && *name
                               ? QueueAnswer::Status::Found
                               : QueueAnswer::Status::NotFound,
                           name ? name : "", count ? ippGetInteger(count, 0) : 0};
  ippDelete(response);
  return answer;
}

QueueAnswer askQueue(CupsConnection& connection, const std::string& queue) {
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
               printerUri(queue).c_str());
  return ask(connection, request);
}

QueueAnswer askDefault(CupsConnection& connection) {
  return ask(connection, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT));
}

// Why there is no default: the scheduler has no destination at all, or has some but none of
// them is the default.
DefaultPrinter::Status withoutDefault(CupsConnection& connection) {
  ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
  ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "limit", 1);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
               "printer-name");
  ipp_t* response = connection.request(request, "/");
  if (!response) return DefaultPrinter::Status::Unreachable;
  const ipp_status_t status = ippGetStatusCode(response);
  ippDelete(response);
  return status == IPP_STATUS_ERROR_NOT_FOUND ? DefaultPrinter::Status::NoPrinter
                                              : DefaultPrinter::Status::NoDefault;
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
  found_.reset();
  auto connection = CupsConnection::open();
  if (!connection) return {DefaultPrinter::Status::Unreachable, ""};
  const std::optional<std::string> chosen = chosenQueue();
  const QueueAnswer answer = chosen ? askQueue(*connection, *chosen) : askDefault(*connection);
  switch (answer.status) {
    case QueueAnswer::Status::NoAnswer:
      return {DefaultPrinter::Status::Unreachable, ""};
    case QueueAnswer::Status::NotFound:
      return {withoutDefault(*connection), ""};
    case QueueAnswer::Status::Found:
      break;
  }
  const std::string queue = chosen ? *chosen : answer.name;
  found_ = Lookup{std::move(connection), CupsConnection::server(), queue, answer.queuedJobs};
  return {DefaultPrinter::Status::Found, queue};
}

std::unique_ptr<Printer> CupsSpooler::open(const std::string& name) {
  lastError_.clear();
  std::optional<Lookup> lookup = std::exchange(found_, std::nullopt);
  const bool looked = lookup && lookup->queue == name && lookup->server == CupsConnection::server();
  if (!looked) {
    auto connection = CupsConnection::open(&lastError_);
    if (!connection) return nullptr;
    lookup = Lookup{std::move(connection), CupsConnection::server(), name, 0};
  }
  CupsConnection& connection = *lookup->connection;
  // Jobs an earlier process left would count as queued, so the count is asked after they go.
  const bool cancelled = cancelUnfinishedJobs(connection, name);
  if (!looked || cancelled) {
    const QueueAnswer answer = askQueue(connection, name);
    if (answer.status != QueueAnswer::Status::Found) {
      lastError_ = connection.lastError();
      return nullptr;
    }
    lookup->queuedJobs = answer.queuedJobs;
  }
  return std::make_unique<CupsPrinter>(std::move(lookup->connection), name, lookup->queuedJobs);
}

JobStatus CupsSpooler::jobStatus(const std::string& queue, int jobId) {
  if (jobId <= 0) return {JobState::Unknown, ""};
  const auto connection = CupsConnection::open();
  if (!connection) return {JobState::Unknown, ""};
  ipp_t* request = newQueueRequest(IPP_OP_GET_JOB_ATTRIBUTES, queue);
  ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
  static const char* const kWanted[] = {"job-state", "job-printer-state-message",
                                        "job-state-message"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                static_cast<int>(std::size(kWanted)), nullptr, kWanted);
  ipp_t* response = connection->request(request, "/jobs/");
  ipp_attribute_t* state = ippFindAttribute(response, "job-state", IPP_TAG_ENUM);
  const JobStatus status = state && ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING
                               ? JobStatus{jobState(ippGetInteger(state, 0)), jobMessage(response)}
                               : JobStatus{JobState::Unknown, ""};
  ippDelete(response);
  return status;
}

}  // namespace platform::cups

std::unique_ptr<platform::Spooler> platform::makeSystemSpooler() {
  return std::make_unique<cups::CupsSpooler>();
}

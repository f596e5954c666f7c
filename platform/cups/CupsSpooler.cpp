// SPDX-License-Identifier: Apache-2.0
#include "platform/cups/CupsSpooler.h"

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>

#include "platform/SystemSpooler.h"

#include "platform/cups/ClientConfig.h"
#include "platform/cups/CupsPrinter.h"
#include "platform/cups/UnfinishedJobs.h"

namespace platform::cups {

namespace {

// The queue named in an lpoptions file's Default line, with its instance; nullopt when the
// file names none.
std::optional<std::string> lpoptionsDefault(const std::string& path) {
  const std::optional<std::string> line = configValue(path, "Default");
  if (!line) return std::nullopt;
  return line->substr(0, line->find_first_of(" \t"));
}

// The queue the user chose outside the program, looked for where CUPS's own clients look:
// LPDEST, PRINTER (unless "lp", which older tools set to mean no choice), the user's lpoptions,
// then the system's. Without any instance ("queue/instance"): the queue is what is opened.
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
    if (home) chosen = lpoptionsDefault(std::string(home) + "/.cups/lpoptions");
    if (!chosen) chosen = lpoptionsDefault(serverRoot() + "/lpoptions");
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
QueueAnswer ask(CupsConnection& connection, IppMessage request) {
  request.add(IppTag::Operation, IppTag::Keyword, "requested-attributes",
              {"printer-name", "queued-job-count"});
  const auto response = connection.request(request, "/");
  // Only an IPP answer comes from a scheduler: an HTTP error, or a server that speaks no IPP,
  // is no word on its printers.
  if (!response) return {QueueAnswer::Status::NoAnswer, "", 0};
  const IppAttribute* name = response->find("printer-name", IppTag::Name);
  const IppAttribute* count = response->find("queued-job-count", IppTag::Integer);
  const std::string found = name ? name->text() : "";
  return {response->succeeded() && !found.empty() ? QueueAnswer::Status::Found
                                                  : QueueAnswer::Status::NotFound,
          found, count ? count->integer() : 0};
}

QueueAnswer askQueue(CupsConnection& connection, const std::string& queue) {
  IppMessage request = IppMessage::request(IppOperation::GetPrinterAttributes);
  request.add(IppTag::Operation, IppTag::Uri, "printer-uri", {printerUri(queue)});
  return ask(connection, std::move(request));
}

QueueAnswer askDefault(CupsConnection& connection) {
  return ask(connection, IppMessage::request(IppOperation::CupsGetDefault));
}

// Why there is no default: the scheduler has no destination at all, or has some but none of
// them is the default.
DefaultPrinter::Status withoutDefault(CupsConnection& connection) {
  IppMessage request = IppMessage::request(IppOperation::CupsGetPrinters);
  request.addInteger(IppTag::Operation, IppTag::Integer, "limit", 1);
  request.add(IppTag::Operation, IppTag::Keyword, "requested-attributes", {"printer-name"});
  const auto response = connection.request(request, "/");
  if (!response) return DefaultPrinter::Status::Unreachable;
  constexpr std::uint16_t kNotFound = 0x0406;
  return response->code == kNotFound ? DefaultPrinter::Status::NoPrinter
                                     : DefaultPrinter::Status::NoDefault;
}

// The job's state from the scheduler's job-state (3 to 9).
JobState jobState(int ippState) {
  static constexpr JobState kStates[] = {
      JobState::Pending,   JobState::Held,    JobState::Processing, JobState::Stopped,
      JobState::Cancelled, JobState::Aborted, JobState::Completed};
  constexpr int kPending = 3;
  const int index = ippState - kPending;
  return index >= 0 && index < static_cast<int>(std::size(kStates)) ? kStates[index]
                                                                    : JobState::Unknown;
}

// The first of the scheduler's words on the job that it gave.
std::string jobMessage(const IppMessage& response) {
  for (const char* name : {"job-printer-state-message", "job-state-message"}) {
    const IppAttribute* text = response.find(name, IppTag::Text);
    if (text && !text->text().empty()) return text->text();
  }
  return "";
}

}  // namespace

DefaultPrinter CupsSpooler::defaultPrinter() {
  // A scheduler that cannot be asked, one with no printer and one whose default names a printer
  // that is gone each have their message; connecting first and asking for any printer tell them
  // apart.
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
  IppMessage request = newQueueRequest(IppOperation::GetJobAttributes, queue);
  request.addInteger(IppTag::Operation, IppTag::Integer, "job-id", jobId);
  request.add(IppTag::Operation, IppTag::Keyword, "requested-attributes",
              {"job-state", "job-printer-state-message", "job-state-message"});
  const auto response = connection->request(request, "/jobs/");
  const IppAttribute* state = response ? response->find("job-state", IppTag::Enum) : nullptr;
  const JobStatus status = state && response->succeeded()
                               ? JobStatus{jobState(state->integer()), jobMessage(*response)}
                               : JobStatus{JobState::Unknown, ""};
  return status;
}

}  // namespace platform::cups

std::unique_ptr<platform::Spooler> platform::makeSystemSpooler() {
  return std::make_unique<cups::CupsSpooler>();
}

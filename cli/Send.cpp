// SPDX-License-Identifier: Apache-2.0
#include "cli/Send.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>
#include <string>

#include "cli/Failure.h"
#include "cli/Text.h"
#include "cli/WaitForJob.h"

namespace cli {

namespace {

using printjob::PrintOutcome;
using printjob::PrintResult;

// The one place a print result becomes the program's exit status, and its name in --json.
struct OutcomeRow {
  PrintOutcome outcome;
  const char* name;
  ExitStatus status;
};

constexpr OutcomeRow kOutcomes[] = {
    {PrintOutcome::Sent, "sent", kDone},
    {PrintOutcome::Busy, "busy", kBusy},
    {PrintOutcome::NoPrinter, "no-printer", kNotSent},
    {PrintOutcome::OpenFailed, "open-failed", kNotSent},
    {PrintOutcome::NotAccepted, "not-accepted", kNotSent},
    {PrintOutcome::Failed, "failed", kNotSent},
};

const OutcomeRow& rowOf(PrintOutcome outcome) {
  return *std::find_if(std::begin(kOutcomes), std::end(kOutcomes),
                       [outcome](const OutcomeRow& row) { return row.outcome == outcome; });
}

// The window's message boxes: the command line words its messages from the print result.
class NoMessageBoxes : public platform::MessageBoxes {
 public:
  platform::Answer show(const std::string&, const std::string&, int) override {
    return platform::Answer::Ok;
  }
};

// The system's spooler, with the queue -d names answering for the default printer.
class ChosenQueueSpooler : public platform::Spooler {
 public:
  ChosenQueueSpooler(platform::Spooler& spooler, std::optional<std::string> queue)
      : spooler_(spooler), queue_(std::move(queue)) {}

  platform::DefaultPrinter defaultPrinter() override {
    if (queue_) return {platform::DefaultPrinter::Status::Found, *queue_};
    const platform::DefaultPrinter found = spooler_.defaultPrinter();
    defaultStatus = found.status;
    return found;
  }
  std::unique_ptr<platform::Printer> open(const std::string& name) override {
    return spooler_.open(name);
  }
  std::string lastError() const override { return spooler_.lastError(); }

  // How the spooler answered for the default printer; Found when -d named the queue.
  platform::DefaultPrinter::Status defaultStatus = platform::DefaultPrinter::Status::Found;

 private:
  platform::Spooler& spooler_;
  std::optional<std::string> queue_;
};

struct Report {
  const PrintResult& result;
  std::optional<std::string> server;

  std::string onServer() const { return server ? " on server " + quoted(*server) : ""; }
  std::string queue() const { return "queue " + quoted(result.queue) + onServer(); }
  // "Zel-42", as cancel and lpstat take it; the queue alone when the spooler gave no number.
  std::string job() const {
    return result.jobId == 0 ? result.queue : result.queue + "-" + std::to_string(result.jobId);
  }
  static std::string because(const std::string& reason) {
    return reason.empty() ? "" : ": " + reason;
  }

  std::string notSent(platform::DefaultPrinter::Status defaultStatus) const {
    switch (result.outcome) {
      case PrintOutcome::Busy:
        return queue() + " is busy with other jobs; nothing was sent";
      case PrintOutcome::NoPrinter:
        return "no printer is installed" + onServer() + "; nothing was sent";
      case PrintOutcome::OpenFailed:
        if (!result.queue.empty()) return "cannot open " + queue() + because(result.reason);
        if (defaultStatus == platform::DefaultPrinter::Status::Unreachable) {
          return "cannot reach the scheduler" + (server ? " at " + quoted(*server) : "");
        }
        return "no default printer" + onServer() + "; name a queue with -d QUEUE";
      case PrintOutcome::NotAccepted:
        return queue() + " did not accept the job" + because(result.reason);
      case PrintOutcome::Failed:
      case PrintOutcome::Sent:
        break;
    }
    return "the spooler failed" + onServer() + "; nothing was sent";
  }

  std::string json(const WaitEnd* end) const {
    std::string out = "{\"queue\": " + (result.queue.empty() ? "null" : jsonString(result.queue)) +
                      ", \"job\": " + (result.jobId == 0 ? "null" : std::to_string(result.jobId)) +
                      ", \"outcome\": " + jsonString(rowOf(result.outcome).name);
    if (!result.reason.empty()) out += ", \"reason\": " + jsonString(result.reason);
    if (end) {
      out += ", \"state\": " + jsonString(stateName(end->status.state)) +
             ", \"timedOut\": " + (end->timedOut ? "true" : "false");
    }
    return out + "}\n";
  }
};

std::optional<int> waitSeconds(const Arguments& arguments) {
  const auto given = arguments.value("--timeout");
  if (!arguments.has("--wait")) {
    if (given) throw Failure(kUsageError, "--timeout goes with --wait");
    return std::nullopt;
  }
  if (!given) return kDefaultWaitSeconds;
  constexpr int kLongest = 86400;
  const bool digits = !given->empty() && given->size() <= 5 &&
                      std::all_of(given->begin(), given->end(), [](char c) {
                        return std::isdigit(static_cast<unsigned char>(c)) != 0;
                      });
  const int seconds = digits ? std::stoi(*given) : 0;
  if (seconds < 1 || seconds > kLongest) {
    throw Failure(kUsageError, "--timeout takes whole seconds from 1 to " +
                                   std::to_string(kLongest) + ", not " + quoted(*given));
  }
  return seconds;
}

}  // namespace

const std::vector<KnownOption>& printOptions() {
  static const std::vector<KnownOption> options = {{"--printer", true, 'd'},
                                                   {"--server", true, 'h'},
                                                   {"--json", false},
                                                   {"--wait", false},
                                                   {"--timeout", true}};
  return options;
}

int submitJob(const Arguments& arguments, Outside& outside,
              const std::function<PrintResult(platform::Platform&)>& send) {
  const auto server = arguments.value("--server");
  if (server && !outside.useServer(*server)) {
    throw Failure(kUsageError, "--server: this system's spooler has no other servers");
  }
  const std::optional<int> waitFor = waitSeconds(arguments);
  ChosenQueueSpooler spooler(outside.spooler, arguments.value("--printer"));
  NoMessageBoxes messages;
  platform::Platform platform{spooler, messages, outside.sleeper};

  const PrintResult result = send(platform);
  const Report report{result, server};
  const bool json = arguments.has("--json");
  if (result.outcome != PrintOutcome::Sent) {
    if (json) outside.out << report.json(nullptr);
    throw Failure(rowOf(result.outcome).status, report.notSent(spooler.defaultStatus));
  }
  if (!waitFor) {
    outside.out << (json ? report.json(nullptr) : report.job() + "\n");
    return kDone;
  }
  if (result.jobId == 0) {
    if (json) outside.out << report.json(nullptr);
    throw Failure(kJobNotCompleted, "cannot wait for the job on " + report.queue() +
                                        ": the spooler gave it no number");
  }
  // Shown at once, so that the job can be cancelled while the command waits.
  if (!json) outside.out << report.job() << std::endl;
  const WaitEnd end =
      waitForJob(outside.spooler, outside.sleeper, result.queue, result.jobId, *waitFor);
  if (json) outside.out << report.json(&end);

  const std::string job = "job " + report.job() + report.onServer();
  const std::string state = stateName(end.status.state);
  const std::string said = Report::because(printjob::shownText(end.status.message));
  if (end.timedOut) {
    throw Failure(kWaitTimedOut, job + " has not ended after " + std::to_string(*waitFor) +
                                     " seconds; it is " + state + said);
  }
  switch (end.status.state) {
    case platform::JobState::Completed:
      if (!json) outside.out << report.job() << " completed\n";
      return kDone;
    case platform::JobState::Unknown:
      throw Failure(kJobNotCompleted, "the spooler cannot tell where " + job + " stands");
    default:
      throw Failure(kJobNotCompleted, job + " was " + state + said);
  }
}

}  // namespace cli

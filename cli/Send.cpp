// SPDX-License-Identifier: Apache-2.0
#include "cli/Send.h"

#include <algorithm>
#include <cctype>
#include <future>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "cli/Failure.h"
#include "cli/Queues.h"
#include "cli/SpoolerTurns.h"
#include "cli/Text.h"
#include "cli/WaitForJob.h"

namespace cli {

namespace {

using printjob::PrintOutcome;
using printjob::PrintResult;

// Well under the connections a scheduler takes at once (CUPS: 100 clients by default).
constexpr int kQueuesAtOnce = 16;

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

// What every queue's job shares.
struct Job {
  std::optional<std::string> server;
  std::optional<int> waitFor;
  bool json;
  const std::function<PrintResult(platform::Platform&)>& send;
};

// Sends the job to QUEUE, or to the default printer when it is none, and reports it on
// outside's streams; throws Failure when it was not sent or did not end well.
int submitTo(const std::optional<std::string>& queue, const Job& job, Outside& outside) {
  ChosenQueueSpooler spooler(outside.spooler, queue);
  NoMessageBoxes messages;
  platform::Platform platform{spooler, messages, outside.sleeper};

  const PrintResult result = job.send(platform);
  const Report report{result, job.server};
  if (result.outcome != PrintOutcome::Sent) {
    if (job.json) outside.out << report.json(nullptr);
    throw Failure(rowOf(result.outcome).status, report.notSent(spooler.defaultStatus));
  }
  if (!job.waitFor) {
    outside.out << (job.json ? report.json(nullptr) : report.job() + "\n");
    return kDone;
  }
  if (result.jobId == 0) {
    if (job.json) outside.out << report.json(nullptr);
    throw Failure(kJobNotCompleted, "cannot wait for the job on " + report.queue() +
                                        ": the spooler gave it no number");
  }
  // Shown at once, so that the job can be cancelled while the command waits.
  if (!job.json) outside.out << report.job() << std::endl;
  const WaitEnd end =
      waitForJob(outside.spooler, outside.sleeper, result.queue, result.jobId, *job.waitFor);
  if (job.json) outside.out << report.json(&end);

  const std::string sent = "job " + report.job() + report.onServer();
  const std::string state = stateName(end.status.state);
  const std::string said = Report::because(printjob::shownText(end.status.message));
  if (end.timedOut) {
    throw Failure(kWaitTimedOut, sent + " has not ended after " + std::to_string(*job.waitFor) +
                                     " seconds; it is " + state + said);
  }
  switch (end.status.state) {
    case platform::JobState::Completed:
      if (!job.json) outside.out << report.job() << " completed\n";
      return kDone;
    case platform::JobState::Unknown:
      throw Failure(kJobNotCompleted, "the spooler cannot tell where " + sent + " stands");
    default:
      throw Failure(kJobNotCompleted, sent + " was " + state + said);
  }
}

// Each queue's job in a thread of its own, with a spooler of its own, so that a busy check, a
// job and the pause after it on one printer do not hold up the others; only kQueuesAtOnce talk
// to the scheduler at a time, and their pauses overlap. What each says is kept until all have
// ended and then given in the queues' order; the worst status is the exit's.
int submitToEach(const std::vector<std::string>& queues, const Job& job, Outside& outside) {
  struct Said {
    std::ostringstream out;
    std::ostringstream err;
  };
  std::vector<Said> said(queues.size());
  SpoolerTurns turns(kQueuesAtOnce);
  std::vector<std::future<int>> running;
  for (std::size_t i = 0; i < queues.size(); ++i) {
    running.push_back(std::async(std::launch::async, [&, i] {
      SpoolerTurn turn(turns, outside.sleeper);
      const std::unique_ptr<platform::Spooler> spooler = outside.newSpooler();
      Outside own{outside.in, said[i].out,       said[i].err,           *spooler,
                  turn,       outside.useServer, outside.outIsTerminal, outside.newSpooler};
      try {
        return submitTo(queues[i], job, own);
      } catch (const Failure& failure) {
        said[i].err << kProgram << ": " << failure.what() << '\n';
        return static_cast<int>(failure.status());
      }
    }));
  }
  int worst = kDone;
  for (std::size_t i = 0; i < queues.size(); ++i) {
    worst = std::max(worst, running[i].get());
    // Flushed in turn, so that a terminal showing both keeps each queue's line in its place.
    outside.out << said[i].out.str() << std::flush;
    outside.err << said[i].err.str() << std::flush;
  }
  return worst;
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

const std::vector<KnownOption>& severalQueuesPrintOptions() {
  static const std::vector<KnownOption> options = [] {
    std::vector<KnownOption> several = printOptions();
    several.front().repeats = true;
    several.push_back({"--all", false});
    several.push_back({"--all-queues", false});
    return several;
  }();
  return options;
}

int submitJob(const Arguments& arguments, Outside& outside,
              const std::function<PrintResult(platform::Platform&)>& send) {
  const auto server = arguments.value("--server");
  if (server && !outside.useServer(*server)) {
    throw Failure(kUsageError, "--server: this system's spooler has no other servers");
  }
  const Job job{server, waitSeconds(arguments), arguments.has("--json"), send};
  const std::vector<std::string> queues = chosenQueues(arguments, outside.spooler, server);
  if (queues.size() > 1) return submitToEach(queues, job, outside);
  return submitTo(queues.empty() ? std::nullopt : std::optional<std::string>(queues.front()), job,
                  outside);
}

}  // namespace cli

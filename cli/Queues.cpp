// SPDX-License-Identifier: Apache-2.0
#include "cli/Queues.h"

#include <algorithm>
#include <cctype>

#include "cli/Failure.h"
#include "cli/Text.h"

namespace cli {

namespace {

// Lower case, without blanks: "Zel mrl770 " and "MRL 770" become alike.
std::string folded(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (!std::isspace(c)) out += static_cast<char>(std::tolower(c));
  }
  return out;
}

bool servesThePrinter(const platform::QueueInfo& queue) {
  const std::string model = folded(kPrinterModel);
  return folded(queue.makeAndModel).find(model) != std::string::npos ||
         folded(queue.info).find(model) != std::string::npos;
}

}  // namespace

std::vector<std::string> chosenQueues(const Arguments& arguments, platform::Spooler& spooler,
                                      const std::optional<std::string>& server) {
  std::vector<std::string> named = arguments.values("--printer");
  const bool all = arguments.has("--all");
  const bool allQueues = arguments.has("--all-queues");
  if (!named.empty() + all + allQueues > 1) {
    throw Failure(kUsageError, "give -d QUEUE, --all or --all-queues, not two of them");
  }
  if (!all && !allQueues) {
    for (auto queue = named.begin(); queue != named.end(); ++queue) {
      if (std::find(named.begin(), queue, *queue) != queue) {
        throw Failure(kUsageError, "queue " + quoted(*queue) + " is named more than once");
      }
    }
    return named;
  }
  for (const platform::QueueInfo& queue : spooler.queues()) {
    if (allQueues || servesThePrinter(queue)) named.push_back(queue.name);
  }
  const std::string onServer = server ? " on server " + quoted(*server) : "";
  if (named.empty()) {
    throw Failure(kNotSent, (all ? "found no queue" + onServer +
                                       " whose driver or description names the " + kPrinterModel
                                 : "found no queue" + onServer) +
                                "; nothing was sent");
  }
  std::sort(named.begin(), named.end());
  return named;
}

}  // namespace cli

#include "cli/Send.h"

#include <ostream>

#include "cli/ConsoleMessageBoxes.h"
#include "cli/Failure.h"
#include "cli/WatchedSpooler.h"

namespace cli {

int sendDocument(const Arguments& arguments, Outside& outside,
                 const std::function<void(platform::Platform&)>& send) {
  if (const auto server = arguments.value("--server")) {
    if (!outside.useServer(*server)) {
      throw Failure(kUsageError, "--server: this system's spooler has no other servers");
    }
  }
  WatchedSpooler spooler(outside.spooler, arguments.value("--printer"));
  ConsoleMessageBoxes messages(outside.err);
  platform::Platform platform{spooler, messages, outside.sleeper};

  send(platform);

  if (messages.shown()) return messages.status();
  const Delivery& delivery = spooler.delivery();
  // The platform failed in a way the window passes over in silence.
  if (!delivery.accepted) throw Failure(kNotSent, "the spooler failed; nothing was sent");
  outside.out << "sent to " << delivery.queue;
  if (delivery.jobId != 0) outside.out << " as job " << delivery.jobId;
  outside.out << '\n';
  return kDone;
}

}  // namespace cli

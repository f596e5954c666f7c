// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "platform/Spooler.h"

namespace cli {

// The printer a queue serves, as its driver or description names it.
inline constexpr const char* kPrinterModel = "MRL 770";

// The queues a command prints to: those -d names, in their order; with --all every queue of
// the spooler whose driver or description names kPrinterModel (case and blanks aside), and with
// --all-queues every queue, both by name. None when none of these is given: the default
// printer. Throws Failure for a queue named twice, for more than one way of choosing, and when
// --all or --all-queues finds no queue (SERVER, if given, named in the message).
std::vector<std::string> chosenQueues(const Arguments& arguments, platform::Spooler& spooler,
                                      const std::optional<std::string>& server);

}  // namespace cli

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "platform/Sleeper.h"
#include "platform/Spooler.h"

namespace cli {

// Everything a command reaches outside itself.
struct Outside {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  platform::Spooler& spooler;
  // Also used by several threads at once, when a command prints to several queues.
  platform::Sleeper& sleeper;
  // Points the spooler at another server (--server); false where the spooler has none.
  std::function<bool(const std::string& server)> useServer;
  // Whether standard output is a terminal, which raw bytes must not be written to.
  std::function<bool()> outIsTerminal = [] { return false; };
  // A spooler of its own for a job sent beside others, in another thread: a spooler keeps its
  // state between calls.
  std::function<std::unique_ptr<platform::Spooler>()> newSpooler;
};

}  // namespace cli

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cups/ipp.h>

#include <functional>
#include <string>

#include "SocketServer.h"

// A print scheduler on a unix socket with one queue, "Zel", its default. Every request but
// Create-Job is answered successful with the queue's name; the answer to Create-Job, which
// comes successful and without attributes, is what answerCreateJob makes of it. Serves from a
// thread of its own until destroyed.
class FakeScheduler {
 public:
  FakeScheduler(const std::string& socketPath, std::function<void(ipp_t*)> answerCreateJob);

 private:
  void serveOne(int listening);

  std::function<void(ipp_t*)> answerCreateJob_;
  SocketServer server_;
};

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "SocketServer.h"

// A web server on a unix socket that answers every request with 404 Not Found, as a server
// that is not a print scheduler would. Serves from a thread of its own until destroyed.
class NotIppServer {
 public:
  explicit NotIppServer(const std::string& socketPath);

 private:
  SocketServer server_;
};

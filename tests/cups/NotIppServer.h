// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "SocketServer.h"

// A web server on a unix socket that answers the first request of each connection alike, by
// default with 404 Not Found, as a server that is not a print scheduler would, and keeps the
// connection until the client closes it. Serves from a thread of its own until destroyed.
class NotIppServer {
 public:
  explicit NotIppServer(
      const std::string& socketPath,
      std::string answer =
          "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");

 private:
  std::string answer_;
  SocketServer server_;
};

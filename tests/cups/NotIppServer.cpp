// SPDX-License-Identifier: Apache-2.0
#include "NotIppServer.h"

#include <sys/socket.h>
#include <unistd.h>

namespace {

void answerNotFound(int listening) {
  static const char kAnswer[] =
      "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
  const int client = accept(listening, nullptr, nullptr);
  if (client < 0) return;
  // The request itself does not matter; its first bytes are read so that the answer follows it.
  char request[4096];
  if (read(client, request, sizeof request) > 0) {
    ssize_t unused = write(client, kAnswer, sizeof kAnswer - 1);
    (void)unused;
  }
  close(client);
}

}  // namespace

NotIppServer::NotIppServer(const std::string& socketPath) : server_(socketPath, answerNotFound) {}

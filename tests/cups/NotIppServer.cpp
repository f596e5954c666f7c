// SPDX-License-Identifier: Apache-2.0
#include "NotIppServer.h"

#include <utility>

#include <sys/socket.h>
#include <unistd.h>

NotIppServer::NotIppServer(const std::string& socketPath, std::string answer)
    : answer_(std::move(answer)), server_(socketPath, [this](int listening) {
        const int client = accept(listening, nullptr, nullptr);
        if (client < 0) return;
        // The request itself does not matter; its first bytes are read so that the answer
        // follows it.
        char request[4096];
        if (read(client, request, sizeof request) > 0) {
          ssize_t unused = write(client, answer_.data(), answer_.size());
          (void)unused;
          // Held open until the client gives up, as a server still sending would.
          while (read(client, request, sizeof request) > 0) {
          }
        }
        close(client);
      }) {}

#include "NotIppServer.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>

NotIppServer::NotIppServer(const std::string& socketPath) {
  listening_ = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
  unlink(socketPath.c_str());
  if (listening_ < 0 || bind(listening_, reinterpret_cast<sockaddr*>(&address), sizeof address) ||
      listen(listening_, 8)) {
    throw std::runtime_error("cannot listen on " + socketPath);
  }
  thread_ = std::thread(&NotIppServer::serve, this);
}

NotIppServer::~NotIppServer() {
  stopping_ = true;
  // Wakes the accept.
  shutdown(listening_, SHUT_RDWR);
  thread_.join();
  close(listening_);
}

void NotIppServer::serve() {
  static const char kAnswer[] =
      "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
  while (!stopping_) {
    const int client = accept(listening_, nullptr, nullptr);
    if (client < 0) continue;
    // The request itself does not matter; its first bytes are read so that the answer
    // follows it.
    char request[4096];
    if (read(client, request, sizeof request) > 0) {
      ssize_t unused = write(client, kAnswer, sizeof kAnswer - 1);
      (void)unused;
    }
    close(client);
  }
}

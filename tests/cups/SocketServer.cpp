// SPDX-License-Identifier: Apache-2.0
#include "SocketServer.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <utility>

SocketServer::SocketServer(const std::string& socketPath,
                           std::function<void(int listening)> serveOne)
    : serveOne_(std::move(serveOne)) {
  listening_ = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
  unlink(socketPath.c_str());
  if (listening_ < 0 || bind(listening_, reinterpret_cast<sockaddr*>(&address), sizeof address) ||
      listen(listening_, 8)) {
    throw std::runtime_error("cannot listen on " + socketPath);
  }
  thread_ = std::thread([this] {
    while (!stopping_) serveOne_(listening_);
  });
}

SocketServer::~SocketServer() {
  stopping_ = true;
  // Wakes the accept.
  shutdown(listening_, SHUT_RDWR);
  thread_.join();
  close(listening_);
}
